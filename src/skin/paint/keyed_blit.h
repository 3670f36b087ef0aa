#pragma once

#include <QRect>

class QImage;
class QPainter;

namespace skin::paint {

// The transparent key colour of skin bitmaps.
inline constexpr unsigned kSkinKeyColor = 0xFF00FF;

// Copies the source rectangle of image onto target in painter, stretched without
// smoothing; when keyed, pixels of exactly #FF00FF are left out.
void stretchBlit(QPainter& painter, const QRect& target, const QImage& image, const QRect& source,
                 bool keyed);

} // namespace skin::paint
