#pragma once

#include <QImage>

// The About window's pictures, drawn by code: a photograph-like portrait of an open
// address book on a desk, and the program's 32 x 32 icon.
namespace artwork {

QImage aboutPhoto();
QImage aboutIcon();

} // namespace artwork
