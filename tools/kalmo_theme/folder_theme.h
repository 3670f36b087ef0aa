#pragma once

#include "theme_file_writer.h"

#include <QStringList>

// Collects the entries of a theme from a folder: one BMP file per image element, named
// after its key ("ButtonImage.bmp"), and values.txt with one "Key=value" line per integer,
// colour ("#RRGGBB" or the stored decimal) or flag ("True", "False" or a number whose low byte is
// stored). Elements the folder leaves out are reported in warnings; a malformed folder gives false
// and error.
bool folderThemeEntries(const QString& folder, QList<ThemeEntry>& entries, QStringList& warnings,
                        QString& error);
