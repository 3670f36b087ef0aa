#pragma once

#include <QByteArray>
#include <QString>

// Conversion between the program's text and the single-byte Windows-1251 code page in
// which the data file stores every text. Characters outside the code page become '?'.
namespace cp1251 {

QByteArray encode(const QString& text);
QString decode(const char* bytes, int length);
inline QString decode(const QByteArray& bytes) {
    return decode(bytes.constData(), bytes.size());
}

// Upper-cases a to z and а to я on code-page bytes; every other byte is left as it is.
unsigned char upperCaseByte(unsigned char byte);
QByteArray upperCase(const QByteArray& bytes);

} // namespace cp1251
