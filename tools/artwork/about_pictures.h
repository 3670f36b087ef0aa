#pragma once

#include <QImage>

// The About window's pictures: the opaque 162 x 178 photo and the 32 x 32 icon.
QImage drawAboutPhoto();
QImage drawAboutIcon();
