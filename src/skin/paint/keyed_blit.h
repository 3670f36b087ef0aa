#pragma once

#include <QRect>
#include <QRgb>

class QImage;
class QPainter;

namespace skin::paint {

// The transparent key colour of skin bitmaps.
inline constexpr unsigned kSkinKeyColor = 0xFF00FF;

// Copies the source rectangle of image onto target in painter, stretched without
// smoothing; when keyed, pixels of exactly #FF00FF are left out.
void stretchBlit(QPainter& painter, const QRect& target, const QImage& image, const QRect& source,
                 bool keyed);

// The picture with every pixel of the key colour (alpha ignored) made transparent.
QImage withoutKey(const QImage& picture, QRgb key = kSkinKeyColor);

} // namespace skin::paint
