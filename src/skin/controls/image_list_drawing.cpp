#include "skin/controls/image_list_drawing.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace skin::controls {

QImage maskedByTopLeft(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb mask = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == mask)
                line[x] = 0;
    }
    return image;
}

void drawImageListPicture(QPainter& painter, const QPoint& origin, const QImage& picture,
                          bool masked, bool greyed) {
    if (picture.isNull())
        return;
    QPixmap pixmap = QPixmap::fromImage(masked ? maskedByTopLeft(picture) : picture);
    if (greyed) {
        QStyleOption option;
        option.palette = QApplication::palette();
        pixmap = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
    }
    painter.drawPixmap(origin, pixmap);
}

} // namespace skin::controls
