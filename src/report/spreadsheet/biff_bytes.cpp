#include "report/spreadsheet/biff_bytes.h"

#include <QtEndian>

#include <cstring>

namespace spreadsheet {

void ByteWriter::u16(uint16_t value) {
    u8(value & 0xFF);
    u8(value >> 8);
}

void ByteWriter::u32(uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
}

void ByteWriter::f64(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    u32(static_cast<uint32_t>(bits));
    u32(static_cast<uint32_t>(bits >> 32));
}

bool ByteWriter::fitsOneByte(QStringView text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

void ByteWriter::characters(QStringView text, bool oneByte) {
    if (oneByte) {
        bytes.append(text.toLatin1());
        return;
    }
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
#else
    for (QChar c : text)
        u16(c.unicode());
#endif
}

void ByteWriter::shortString(const QString& text) {
    const QString cut = text.left(255);
    const bool oneByte = fitsOneByte(cut);
    u8(static_cast<uint8_t>(cut.size()));
    u8(oneByte ? 0 : 1);
    characters(cut, oneByte);
}

const char* ByteReader::need(qsizetype count) {
    if (count < 0 || count > remaining())
        throw WorkbookFormatError("record too short");
    const char* at = m_data + m_position;
    m_position += count;
    return at;
}

uint8_t ByteReader::u8() {
    return static_cast<uint8_t>(*need(1));
}

uint16_t ByteReader::u16() {
    return qFromLittleEndian<quint16>(need(2));
}

uint32_t ByteReader::u32() {
    return qFromLittleEndian<quint32>(need(4));
}

double ByteReader::f64() {
    const uint64_t bits = qFromLittleEndian<quint64>(need(8));
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void ByteReader::skip(qsizetype count) {
    need(count);
}

QString ByteReader::characters(qsizetype count, bool twoBytes) {
    if (!twoBytes)
        return QString::fromLatin1(need(count), count);
    const char* at = need(count * 2);
    QString text(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(at + 2 * i));
    return text;
}

QString ByteReader::shortString() {
    const uint8_t count = u8();
    const uint8_t flags = u8();
    return characters(count, flags & 1);
}

} // namespace spreadsheet
