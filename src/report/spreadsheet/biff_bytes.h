#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <stdexcept>

namespace spreadsheet {

// A workbook stream that cannot be read: truncated, inconsistent or not this format.
class WorkbookFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian building blocks of the workbook stream.
class ByteWriter {
public:
    QByteArray bytes;

    void u8(uint8_t value) { bytes.append(static_cast<char>(value)); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void f64(double value);
    // Characters as one byte each when all fit in Latin-1, else as UTF-16LE; the flag
    // byte that precedes them in the format is written by the caller.
    static bool fitsOneByte(QStringView text);
    void characters(QStringView text, bool oneByte);
    // Short string: character count (one byte), flag byte, characters (up to 255).
    void shortString(const QString& text);
};

// Reads fields of one record's data; running past its end raises WorkbookFormatError.
class ByteReader {
public:
    ByteReader(const char* data, qsizetype size) : m_data(data), m_size(size) {}

    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    double f64();
    void skip(qsizetype count);
    QString characters(qsizetype count, bool twoBytes);
    QString shortString();
    qsizetype remaining() const { return m_size - m_position; }
    qsizetype position() const { return m_position; }

private:
    const char* need(qsizetype count);

    const char* m_data;
    qsizetype m_size;
    qsizetype m_position = 0;
};

} // namespace spreadsheet
