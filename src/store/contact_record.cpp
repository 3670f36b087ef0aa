#include "store/contact_record.h"

#include "store/codec1251.h"

#include <algorithm>

namespace store {

int ContactRecord::offset(ContactField field) {
    return static_cast<int>(field) * (1 + kTextCapacity);
}

int ContactRecord::capacity(ContactField field) {
    return field == ContactField::PhotoPath ? kPathCapacity : kTextCapacity;
}

QString ContactRecord::field(ContactField field) const {
    const int at = offset(field);
    const int length = std::min<int>(m_bytes[at], capacity(field));
    return decode1251(reinterpret_cast<const char*>(m_bytes.data()) + at + 1, length);
}

void ContactRecord::store(ContactField field, const QString& text) {
    // One byte per character, so the cut to 255 characters and then to the capacity is
    // the first `capacity` bytes of the encoding (capacity <= 255).
    const int at = offset(field);
    const int length =
        encode1251(text, reinterpret_cast<char*>(m_bytes.data()) + at + 1, capacity(field));
    m_bytes[at] = static_cast<unsigned char>(length);
}

} // namespace store
