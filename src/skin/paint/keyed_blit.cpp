#include "skin/paint/keyed_blit.h"

#include <QImage>
#include <QPainter>

namespace skin::paint {

void stretchBlit(QPainter& painter, const QRect& target, const QImage& image, const QRect& source,
                 bool keyed) {
    if (target.isEmpty() || source.isEmpty())
        return;
    const QImage piece = image.copy(source);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(target,
                      keyed ? withoutKey(piece) : piece.convertToFormat(QImage::Format_RGB32));
    painter.restore();
}

QImage withoutKey(const QImage& picture, QRgb key) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
        }
    }
    return out;
}

} // namespace skin::paint
