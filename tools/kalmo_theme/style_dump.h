#pragma once

#include "theme_file_writer.h"

#include "skin/themes/ui_style.h"

// Every element of a built-in style as theme file entries, in element order; images as
// BMP files.
QList<ThemeEntry> builtInStyleEntries(TsuiUIStyle style);

// The BMP file of an image.
QByteArray bmpBytes(const QImage& image);
