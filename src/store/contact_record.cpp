#include "store/contact_record.h"

#include "store/codec1251.h"

#include <algorithm>
#include <cstring>

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
    const QByteArray encoded = encode1251(text);
    const int length = std::min<int>({int(encoded.size()), 255, capacity(field)});
    const int at = offset(field);
    m_bytes[at] = static_cast<unsigned char>(length);
    std::memcpy(m_bytes.data() + at + 1, encoded.constData(), length);
}

} // namespace store
