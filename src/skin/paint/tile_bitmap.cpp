#include "skin/paint/tile_bitmap.h"

#include <QImage>
#include <QPainter>

namespace skin::paint {

void TileBitmap(QPainter& painter, const QImage& picture, const QRect& rect) {
    const int pw = picture.width(), ph = picture.height();
    if (pw <= 0 || ph <= 0)
        return;
    for (int x = 0; x < rect.width(); x += pw) {
        for (int y = 0; y < rect.height(); y += ph)
            painter.drawImage(x, y, picture);
    }
}

} // namespace skin::paint
