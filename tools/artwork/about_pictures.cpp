#include "about_pictures.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr QSize kPhotoSize(162, 178);
constexpr QSize kIconSize(32, 32);

// An address book: cover, pages, ring binding and a tab for each letter group.
void drawBook(QPainter& p, const QRectF& box) {
    const qreal w = box.width();
    const qreal h = box.height();
    p.setPen(QPen(QColor(60, 30, 20), w / 40));
    p.setBrush(QColor(150, 40, 35));
    p.drawRoundedRect(box, w / 16, w / 16);
    const QRectF pages = box.adjusted(w * 0.12, h * 0.06, -w * 0.06, -h * 0.06);
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(pages);
    p.setPen(QPen(QColor(150, 170, 200), w / 60));
    for (int line = 1; line <= 6; ++line) {
        const qreal y = pages.top() + pages.height() * line / 7.5;
        p.drawLine(QPointF(pages.left() + w * 0.08, y), QPointF(pages.right() - w * 0.08, y));
    }
    p.setPen(QPen(QColor(110, 110, 120), w / 30));
    p.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 4; ++ring) {
        const qreal y = box.top() + h * (0.18 + ring * 0.21);
        p.drawEllipse(QPointF(box.left() + w * 0.12, y), w * 0.06, h * 0.03);
    }
    const QColor tabs[] = {QColor(240, 190, 60), QColor(90, 170, 90), QColor(70, 120, 200)};
    p.setPen(Qt::NoPen);
    for (int tab = 0; tab < 3; ++tab) {
        p.setBrush(tabs[tab]);
        p.drawRect(QRectF(box.right() - w * 0.02, box.top() + h * (0.15 + tab * 0.25), w * 0.07,
                          h * 0.14));
    }
}

} // namespace

QImage drawAboutPhoto() {
    QImage image(kPhotoSize, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    // A warm wall behind a wooden desk, lit from the upper left like a snapshot.
    QLinearGradient wall(0, 0, 0, image.height());
    wall.setColorAt(0, QColor(214, 200, 176));
    wall.setColorAt(1, QColor(170, 150, 124));
    p.fillRect(image.rect(), wall);
    const QRectF desk(0, image.height() * 0.68, image.width(), image.height() * 0.32);
    QLinearGradient wood(desk.topLeft(), desk.bottomLeft());
    wood.setColorAt(0, QColor(140, 90, 50));
    wood.setColorAt(1, QColor(90, 55, 30));
    p.fillRect(desk, wood);
    drawBook(p, QRectF(32, 38, 100, 118));
    QRadialGradient light(QPointF(30, 20), image.width());
    light.setColorAt(0, QColor(255, 255, 240, 70));
    light.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(image.rect(), light);
    return image;
}

QImage drawAboutIcon() {
    QImage image = blank(kIconSize);
    QPainter p(&image);
    smooth(p);
    drawBook(p, QRectF(3, 1, 26, 30));
    return image;
}
