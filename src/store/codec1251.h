#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace store {

// Conversion between the program's text and the single-byte Windows-1251 code page in
// which the data file stores every text. Characters outside the code page become '?'.

QByteArray encode1251(const QString& text);
// Encodes into `out` as many characters as `capacity` bytes hold; returns the bytes
// written. Nothing is allocated, for the passes over every record.
int encode1251(QStringView text, char* out, int capacity);
// True when the data file can keep the character as it is (not as '?').
bool inCodePage1251(QChar character);
QString decode1251(const char* bytes, int length);
inline QString decode1251(const QByteArray& bytes) {
    return decode1251(bytes.constData(), bytes.size());
}

// Upper-cases a to z and а to я on code-page bytes; every other byte is left as it is.
unsigned char upperCase1251Byte(unsigned char byte);
QByteArray UpperCase1251(const QByteArray& bytes);

} // namespace store
