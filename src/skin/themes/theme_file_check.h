#pragma once

#include <QString>

namespace skin::themes {

// Whether the file at path can give every window a whole look: it reads as a theme file,
// holds every theme element as an entry of the element's kind, and each of its pictures
// is a BMP file the skin can decode. A reader accepts any bytes that describe records, so
// a file chosen by the user is checked before it is used. The Russian reason it cannot,
// naming the file by its name only; empty when it can.
QString themeFileProblem(const QString& path);

} // namespace skin::themes
