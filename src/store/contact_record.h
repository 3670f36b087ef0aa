#pragma once

#include <QString>

#include <array>
#include <cstddef>

namespace store {

// The fields of a contact record, in their order in the record.
enum class ContactField { FullName, Address, Telephone, Workplace, Email, PhotoPath };

// The five text fields, in their order in the record (every field but the photo path).
inline constexpr ContactField kTextFields[] = {ContactField::FullName, ContactField::Address,
                                               ContactField::Telephone, ContactField::Workplace,
                                               ContactField::Email};

// One contact record exactly as it lies in the data file: 511 bytes, six length-prefixed
// fields of 1 + 50 bytes (five texts) and 1 + 255 bytes (photo path), no padding.
class ContactRecord {
public:
    static constexpr std::size_t kSize = 511;
    static constexpr int kTextCapacity = 50;
    static constexpr int kPathCapacity = 255;

    using Bytes = std::array<unsigned char, kSize>;

    ContactRecord() { m_bytes.fill(0); }

    static int offset(ContactField field);
    static int capacity(ContactField field);

    // The field's text. A length byte above the field's capacity (a damaged file) reads as
    // the capacity, so a field never reaches into the next one.
    QString field(ContactField field) const;

    // Storing rule: the text is cut to 255 characters, then to the field's capacity; only
    // the length byte and the first L text bytes change, the rest keeps what it held.
    void store(ContactField field, const QString& text);

    const Bytes& bytes() const { return m_bytes; }
    Bytes& bytes() { return m_bytes; }

private:
    Bytes m_bytes;
};

} // namespace store
