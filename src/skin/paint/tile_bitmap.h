#pragma once

#include <QRect>

class QImage;
class QPainter;

namespace skin::paint {

// Repeats picture from the painter's origin until the tiles cover rect's width and height;
// rect's position is not used. An empty picture draws nothing.
void TileBitmap(QPainter& painter, const QImage& picture, const QRect& rect);

} // namespace skin::paint
