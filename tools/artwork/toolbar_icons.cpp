#include "toolbar_icons.h"

#include "canvas.h"

#include <QPainter>
#include <QPainterPath>

using namespace app;

namespace {

constexpr QSize kIconSize(16, 16);

void drawPage(QPainter& p, const QColor& paper) {
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QColor(90, 100, 120));
    p.setBrush(paper);
    p.drawPath(page);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void drawFolder(QPainter& p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(250, 210, 90));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.setBrush(QColor(255, 230, 140));
    p.drawPolygon(QPolygonF({{1.5, 4.5}, {2.5, 2.5}, {6.5, 2.5}, {7.5, 4.5}}));
}

void drawDisk(QPainter& p) {
    p.setPen(QColor(30, 50, 110));
    p.setBrush(QColor(60, 100, 190));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void drawCross(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void drawArrow(QPainter& p, const QColor& colour, const QPolygonF& shape) {
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawPolygon(shape);
}

void drawMagnifier(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(190, 225, 250));
    p.drawEllipse(QRectF(2, 2, 8, 8));
    p.setPen(QPen(QColor(110, 70, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(13.5, 13.5));
}

void paintIcon(QPainter& p, int index) {
    switch (index) {
    case LoadBackup:
        drawFolder(p);
        drawArrow(p, QColor(40, 160, 60),
                  QPolygonF({{8, 6}, {12, 10}, {10, 10}, {10, 14}, {6, 14}, {6, 10}, {4, 10}}));
        break;
    case CreateBackup:
        drawDisk(p);
        drawArrow(p, QColor(40, 160, 60),
                  QPolygonF({{11, 15}, {15, 11}, {13, 11}, {13, 7}, {9, 7}, {9, 11}, {7, 11}}));
        break;
    case ClearBase:
        drawPage(p, Qt::white);
        drawCross(p, QRectF(5.5, 6.5, 6, 6));
        break;
    case Exit:
        p.setPen(QColor(90, 60, 30));
        p.setBrush(QColor(160, 110, 60));
        p.drawRect(QRectF(2.5, 1.5, 8, 13));
        p.setBrush(QColor(230, 200, 80));
        p.drawEllipse(QRectF(7.5, 7.5, 2, 2));
        drawArrow(
            p, QColor(200, 40, 40),
            QPolygonF({{15, 8}, {11, 4}, {11, 6.5}, {7, 6.5}, {7, 9.5}, {11, 9.5}, {11, 12}}));
        break;
    case NewRecord:
        drawPage(p, Qt::white);
        p.setPen(QPen(QColor(230, 170, 0), 1.6));
        p.drawLine(QPointF(6, 9), QPointF(11, 9));
        p.drawLine(QPointF(8.5, 6.5), QPointF(8.5, 11.5));
        break;
    case SaveRecord:
        drawDisk(p);
        break;
    case DeleteRecord:
        drawCross(p, QRectF(3.5, 3.5, 9, 9));
        break;
    case SearchList:
        drawPage(p, Qt::white);
        p.setPen(QColor(60, 90, 160));
        for (int y = 5; y <= 12; y += 2)
            p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
        break;
    case Report:
        p.setPen(QColor(30, 110, 50));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.fillRect(QRectF(2, 3, 12, 3), QColor(70, 160, 90));
        for (int x = 5; x < 14; x += 4)
            p.drawLine(QPointF(x + 0.5, 6), QPointF(x + 0.5, 13));
        for (int y = 8; y < 13; y += 3)
            p.drawLine(QPointF(2, y + 0.5), QPointF(14, y + 0.5));
        break;
    case Find:
        drawMagnifier(p);
        break;
    case About: {
        p.setPen(QColor(20, 60, 150));
        p.setBrush(QColor(50, 110, 210));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(7, 3.5, 2, 2));
        p.drawRect(QRectF(7, 6.5, 2, 6));
        break;
    }
    case Folder:
        drawFolder(p);
        break;
    default:
        break;
    }
}

} // namespace

QImage drawImageListIcon(int index) {
    QImage image = blank(kIconSize);
    QPainter painter(&image);
    smooth(painter);
    paintIcon(painter, index);
    return image;
}

QImage drawNavigationGlyph(Glyph glyph) {
    QImage image = blank(kIconSize);
    QPainter p(&image);
    smooth(p);
    const QColor fill(40, 90, 190);
    const bool pointsLeft = glyph == Glyph::First || glyph == Glyph::Previous;
    QPolygonF triangle =
        pointsLeft ? QPolygonF({{4, 8}, {11, 3}, {11, 13}}) : QPolygonF({{12, 8}, {5, 3}, {5, 13}});
    drawArrow(p, fill, triangle);
    if (glyph == Glyph::First)
        p.fillRect(QRectF(2, 3, 2, 10), fill.darker(130));
    if (glyph == Glyph::Last)
        p.fillRect(QRectF(12, 3, 2, 10), fill.darker(130));
    return image;
}
