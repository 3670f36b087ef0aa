#pragma once

#include "skin/themes/theme_file_format.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of a theme file to be written.
struct ThemeEntry {
    QByteArray key; // at most 64 single-byte characters
    skin::themes::EntryKind kind;
    QByteArray data; // BMP file, 4-byte little-endian integer, 1 byte, or text
};

ThemeEntry integerEntry(const QByteArray& key, qint32 value);
// The flag's byte as given: any non-zero byte reads as True.
ThemeEntry booleanEntry(const QByteArray& key, quint8 value);
ThemeEntry imageEntry(const QByteArray& key, const QByteArray& bmpFile);

// The bytes of a theme file holding the entries in order: the header, the chain of
// records (one more than entries, the last ending the chain) and then the data.
QByteArray encodeThemeFile(const QList<ThemeEntry>& entries);

// Writes the file; false with a message when it cannot be written.
bool writeThemeFile(const QString& path, const QList<ThemeEntry>& entries, QString& error);
