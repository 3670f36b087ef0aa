#include "pictures.h"

#include "canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor kKey(255, 0, 255);

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A face filled with a vertical gradient and outlined, as buttons and title buttons are.
void face(QPainter& painter, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
          const QColor& border, bool round) {
    QPainterPath path;
    if (round)
        path.addEllipse(r);
    else
        path.addRoundedRect(r, radius, radius);
    painter.setPen(QPen(border, 1));
    painter.setBrush(vertical(r, top, bottom));
    painter.drawPath(path);
}

// A soft white sheen over the upper half of a glossy shape.
void gloss(QPainter& painter, const QRectF& r, qreal radius, bool round) {
    QRectF upper(r.x() + 1.5, r.y() + 1, r.width() - 3, r.height() * 0.45);
    QPainterPath path;
    if (round)
        path.addEllipse(upper);
    else
        path.addRoundedRect(upper, radius, radius);
    QLinearGradient g = vertical(upper, QColor(255, 255, 255, 170), QColor(255, 255, 255, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawPath(path);
}

QRectF frameRect(int index, int frameWidth, int height) {
    return QRectF(index * frameWidth + 0.5, 0.5, frameWidth - 1, height - 1);
}

// An arrow head pointing in direction (0 up, 1 down, 2 left, 3 right) centred in r.
void arrow(QPainter& painter, const QRectF& r, int direction, const QColor& colour) {
    const QPointF c = r.center();
    const qreal s = std::min(r.width(), r.height()) * 0.22;
    QPolygonF head;
    switch (direction) {
    case 0:
        head << QPointF(c.x() - s, c.y() + s / 2) << QPointF(c.x() + s, c.y() + s / 2)
             << QPointF(c.x(), c.y() - s / 2 - 1);
        break;
    case 1:
        head << QPointF(c.x() - s, c.y() - s / 2) << QPointF(c.x() + s, c.y() - s / 2)
             << QPointF(c.x(), c.y() + s / 2 + 1);
        break;
    case 2:
        head << QPointF(c.x() + s / 2, c.y() - s) << QPointF(c.x() + s / 2, c.y() + s)
             << QPointF(c.x() - s / 2 - 1, c.y());
        break;
    default:
        head << QPointF(c.x() - s / 2, c.y() - s) << QPointF(c.x() - s / 2, c.y() + s)
             << QPointF(c.x() + s / 2 + 1, c.y());
        break;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
}

// The glyphs of the title buttons, drawn with strokes inside the square g.
enum class TitleGlyph { ControlBox, Help, Maximise, Restore, Minimise, Close };

void titleGlyph(QPainter& painter, const QRectF& g, TitleGlyph glyph, const QColor& colour) {
    const qreal w = std::max<qreal>(1.6, g.width() / 7.0);
    QPen pen(colour, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen);
    switch (glyph) {
    case TitleGlyph::ControlBox:
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(g.x(), g.y(), g.width(), g.height() / 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(g);
        break;
    case TitleGlyph::Help: {
        QPainterPath hook;
        hook.arcMoveTo(QRectF(g.x() + g.width() * 0.2, g.y(), g.width() * 0.6, g.height() * 0.55),
                       160);
        hook.arcTo(QRectF(g.x() + g.width() * 0.2, g.y(), g.width() * 0.6, g.height() * 0.55), 160,
                   -250);
        hook.lineTo(g.center().x(), g.y() + g.height() * 0.72);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(g.center().x(), g.bottom() - w / 2), w * 0.7, w * 0.7);
        break;
    }
    case TitleGlyph::Maximise:
        painter.drawRect(g);
        painter.fillRect(QRectF(g.x(), g.y(), g.width(), w * 1.2), colour);
        break;
    case TitleGlyph::Restore: {
        const qreal d = g.width() * 0.3;
        const QRectF back(g.x() + d, g.y(), g.width() - d, g.height() - d);
        const QRectF front(g.x(), g.y() + d, g.width() - d, g.height() - d);
        painter.drawRect(back);
        painter.setPen(Qt::NoPen);
        painter.fillRect(front.adjusted(-w / 2, -w / 2, w / 2, w / 2), Qt::transparent);
        painter.setPen(pen);
        painter.drawRect(front);
        painter.fillRect(QRectF(front.x(), front.y(), front.width(), w), colour);
        break;
    }
    case TitleGlyph::Minimise:
        painter.fillRect(QRectF(g.x(), g.bottom() - w * 1.3, g.width() * 0.75, w * 1.3), colour);
        break;
    case TitleGlyph::Close:
        pen.setCapStyle(Qt::RoundCap);
        pen.setWidthF(w * 1.15);
        painter.setPen(pen);
        painter.drawLine(g.topLeft(), g.bottomRight());
        painter.drawLine(g.topRight(), g.bottomLeft());
        break;
    }
}

void hexagon(QPainter& painter, const QPointF& c, qreal r) {
    QPolygonF shape;
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i;
        shape << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    painter.drawPolygon(shape);
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

} // namespace

QImage solid(const QColor& colour) {
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QImage flatten(const QImage& drawn, const QImage& behind, bool keyed) {
    const QImage src = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage out(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const QRgb under = behind.pixel(0, std::min(y, behind.height() - 1));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = src.pixel(x, y);
            const int a = qAlpha(px);
            if (keyed && a < 128) {
                out.setPixel(x, y, kKey.rgb());
                continue;
            }
            const int ia = 255 - a;
            const int ea = 255 - ia;
            auto blend = [&](int s, int u) {
                return (s * ea + u * ia) / 255;
            };
            QRgb colour = qRgb(blend(qRed(px), qRed(under)), blend(qGreen(px), qGreen(under)),
                               blend(qBlue(px), qBlue(under)));
            // A blended pixel must never come out as the key colour by accident.
            if ((colour & 0xFFFFFF) == (kKey.rgb() & 0xFFFFFF))
                colour = qRgb(254, 0, 255);
            out.setPixel(x, y, colour);
        }
    }
    return out;
}

QImage captionColumn(int height, const StylePalette& p) {
    QImage column(1, height, QImage::Format_ARGB32);
    QPainter painter(&column);
    painter.fillRect(column.rect(), vertical(QRectF(0, 0, 1, height), p.titleTop, p.titleBottom));
    if (p.glassTitle) {
        painter.fillRect(QRectF(0, 0, 1, height / 2.0), QColor(255, 255, 255, 40));
    }
    return column;
}

QImage buttonStrip(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 3;
    const bool pill = p.faceCorner * 2 >= size.height() - 4;
    for (int i = 0; i < 3; ++i) {
        const QRectF r = frameRect(i, fw, size.height());
        const qreal radius = std::min<qreal>(p.faceCorner, r.height() / 2);
        const bool pressed = i == 2;
        face(painter, r, radius, pressed ? p.pressedTop : p.faceTop,
             pressed ? p.pressedBottom : p.faceBottom, p.faceBorder, false);
        if (i == 1) {
            // Mouse-over: a warm or light rim inside the outline.
            painter.setPen(QPen(p.hover, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5),
                                    std::max<qreal>(radius - 1, 1), std::max<qreal>(radius - 1, 1));
        }
        if (p.keyedButtons || pill)
            gloss(painter, r, std::max<qreal>(radius - 2, 1), false);
    }
    return image;
}

QImage checkStrip(QSize size, const StylePalette& p, CheckShape shape) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 4;
    const int side = std::min(fw, size.height()) - 1;
    for (int i = 0; i < 4; ++i) {
        const bool checked = i % 2 == 1, disabled = i >= 2;
        const QRectF r(i * fw + (fw - side) / 2.0 + 0.5, (size.height() - side) / 2.0 + 0.5,
                       side - 1, side - 1);
        const QColor border = disabled ? QColor(0xA0, 0xA0, 0xA0) : p.faceBorder;
        face(painter, r, 1.5, disabled ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::white),
             disabled ? QColor(0xE0, 0xE0, 0xE0) : p.faceBottom, border,
             shape == CheckShape::Radio);
        if (!checked)
            continue;
        const QColor mark = disabled ? QColor(0xA0, 0xA0, 0xA0) : p.accent;
        if (shape == CheckShape::Radio) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark);
            painter.drawEllipse(r.center(), side / 5.0, side / 5.0);
        } else {
            QPainterPath tick;
            tick.moveTo(r.x() + r.width() * 0.22, r.y() + r.height() * 0.5);
            tick.lineTo(r.x() + r.width() * 0.42, r.y() + r.height() * 0.72);
            tick.lineTo(r.x() + r.width() * 0.78, r.y() + r.height() * 0.28);
            painter.setPen(QPen(mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(tick);
        }
    }
    return image;
}

QImage titleButtonStrip(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 18;
    const TitleGlyph glyphs[] = {TitleGlyph::ControlBox, TitleGlyph::Help,     TitleGlyph::Maximise,
                                 TitleGlyph::Restore,    TitleGlyph::Minimise, TitleGlyph::Close};
    for (int i = 0; i < 18; ++i) {
        const TitleGlyph glyph = glyphs[i / 3];
        const int state = i % 3; // normal, mouse-over, pressed
        const bool close = glyph == TitleGlyph::Close;
        QColor top = close ? p.closeTop : p.titleButtonTop;
        QColor bottom = close ? p.closeBottom : p.titleButtonBottom;
        if (state == 1) {
            top = top.lighter(118);
            bottom = bottom.lighter(125);
        } else if (state == 2) {
            std::swap(top, bottom);
            top = top.darker(115);
        }
        const qreal inset = p.keyedTitleButtons ? 1.0 : 0.0;
        const QRectF r = frameRect(i, fw, size.height()).adjusted(inset, inset, -inset, -inset);
        face(painter, r, 3, top, bottom, p.titleButtonBorder, p.roundTitleButtons);
        if (p.roundTitleButtons || p.glassTitle)
            gloss(painter, r, 2, p.roundTitleButtons);
        const qreal g = fw * 0.27;
        QRectF glyphBox = r.adjusted(g, g, -g, -g);
        if (state == 2)
            glyphBox.translate(0.5, 0.5);
        titleGlyph(painter, glyphBox, glyph, p.titleGlyph);
    }
    return image;
}

QImage titleSection(QSize size, const StylePalette& p, TitleSection section) {
    QImage image = blank(size);
    QPainter painter(&image);
    const int w = size.width(), h = size.height();
    QPainterPath shape;
    shape.addRect(QRectF(0, 0, w, h));
    const qreal r = p.titleCorner;
    if (r > 0 && section != TitleSection::Client) {
        // Round the outer top corner; the rest of the piece stays square so it joins.
        QPainterPath corner;
        const qreal cx = section == TitleSection::Left ? 0 : w - 2 * r;
        corner.addRect(QRectF(section == TitleSection::Left ? 0 : w - r, 0, r, r));
        QPainterPath round;
        round.addEllipse(QRectF(cx, 0, 2 * r, 2 * r));
        shape = shape.subtracted(corner.subtracted(round));
    }
    smooth(painter);
    painter.setClipPath(shape);
    painter.drawImage(QRect(0, 0, w, h), captionColumn(h, p));
    // Ornaments live in the left section and fade out before its right edge; pinstripes
    // run the whole length of the caption, so they do not fade where the sections join.
    const bool stripes = p.ornament == TitleOrnament::Pinstripes;
    if (section == TitleSection::Left || stripes) {
        painter.save();
        const bool fades = section == TitleSection::Left && !stripes;
        QLinearGradient fade(0, 0, w, 0);
        fade.setColorAt(0, QColor(255, 255, 255, 255));
        fade.setColorAt(fades ? 0.75 : 1.0, QColor(255, 255, 255, 255));
        fade.setColorAt(1, QColor(255, 255, 255, fades ? 0 : 255));
        QImage layer = blank(size);
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        switch (p.ornament) {
        case TitleOrnament::Pinstripes:
            for (int y = 1; y < h; y += 2)
                lp.fillRect(QRect(0, y, w, 1), QColor(255, 255, 255, 70));
            break;
        case TitleOrnament::Diagonals:
            lp.setPen(QPen(QColor(120, 150, 230, 90), 3));
            for (int x = -h; x < w; x += 9)
                lp.drawLine(QPointF(x, h), QPointF(x + h, 0));
            break;
        case TitleOrnament::Hexagons:
            lp.setPen(QPen(QColor(255, 255, 255, 60), 1));
            lp.setBrush(QColor(255, 255, 255, 20));
            for (int col = 0; col * 10 < w + 10; ++col) {
                for (int row = -1; row * 9 < h + 9; ++row)
                    hexagon(lp, QPointF(col * 10.5, row * 9.0 + (col % 2) * 4.5 + 2), 5);
            }
            break;
        case TitleOrnament::Arcs:
            lp.setPen(QPen(QColor(255, 255, 255, 60), 2));
            for (int i = 0; i < 5; ++i)
                lp.drawEllipse(QPointF(-10, h * 1.4), 40.0 + i * 26, 30.0 + i * 14);
            break;
        case TitleOrnament::None:
            break;
        }
        lp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        lp.fillRect(layer.rect(), fade);
        lp.end();
        painter.drawImage(0, 0, layer);
        painter.restore();
    }
    // A light line under the top edge and the outline along the outer sides only, so the
    // three sections join without seams however the middle one is stretched.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(p.titleShine, 1));
    painter.drawLine(QPointF(0, 1.5), QPointF(w, 1.5));
    QPainterPath outer;
    if (section == TitleSection::Left) {
        // Straight up the pixel centres to where the corner's arc starts (or the corner).
        outer.moveTo(0.5, h);
        outer.lineTo(0.5, r + 0.5);
        if (r > 0)
            outer.arcTo(QRectF(0.5, 0.5, 2 * r, 2 * r), 180, -90);
        outer.lineTo(w, 0.5);
    } else if (section == TitleSection::Right) {
        outer.moveTo(0, 0.5);
        outer.lineTo(w - 0.5 - r, 0.5);
        if (r > 0)
            outer.arcTo(QRectF(w - 0.5 - 2 * r, 0.5, 2 * r, 2 * r), 90, -90);
        outer.lineTo(w - 0.5, h);
    } else {
        outer.moveTo(0, 0.5);
        outer.lineTo(w, 0.5);
    }
    painter.setPen(QPen(p.titleEdge, 1));
    painter.drawPath(outer);
    painter.setClipping(false);
    // The bottom row stays plain so the caption joins the form's border.
    return image;
}

QImage progressBar(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    const QRectF all(0, 0, size.width(), size.height());
    const QColor light = p.accent.lighter(160), dark = p.accent;
    QLinearGradient g = vertical(all, light, dark);
    g.setColorAt(0.45, p.accent.lighter(125));
    if (size.width() >= 5) {
        painter.fillRect(QRectF(0, 0, size.width() - 1, size.height()), g);
        if (size.width() > 8) {
            smooth(painter);
            painter.setPen(QPen(QColor(255, 255, 255, 80), 3));
            painter.setClipRect(QRectF(0, 0, size.width() - 1, size.height()));
            painter.drawLine(QPointF(0, size.height()), QPointF(size.height(), 0));
        }
    } else {
        painter.fillRect(all, g);
    }
    return image;
}

QImage trackBar(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    const int w = size.width(), h = size.height();
    painter.fillRect(QRect(0, 0, w, h), p.faceBottom);
    painter.fillRect(QRect(0, 0, w, 1), p.faceBorder);
    painter.fillRect(QRect(0, 0, 1, h), p.faceBorder);
    painter.fillRect(QRect(0, h - 1, w, 1), Qt::white);
    painter.fillRect(QRect(w - 1, 0, 1, h), Qt::white);
    if (h > 4)
        painter.fillRect(QRect(1, 1, w - 2, 1), p.faceBorder.lighter(170));
    return image;
}

QImage trackSlider(QSize size, const StylePalette& p, bool vertical) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const qreal w = size.width() - 1, h = size.height() - 1;
    QPolygonF shape;
    if (!vertical) {
        const qreal tip = w / 2 + 1;
        shape << QPointF(0.5, 0.5) << QPointF(w, 0.5) << QPointF(w, h - tip)
              << QPointF(w / 2 + 0.5, h) << QPointF(0.5, h - tip);
    } else {
        const qreal tip = h / 2 + 1;
        shape << QPointF(0.5, 0.5) << QPointF(w - tip, 0.5) << QPointF(w, h / 2 + 0.5)
              << QPointF(w - tip, h) << QPointF(0.5, h);
    }
    painter.setPen(QPen(p.faceBorder, 1));
    painter.setBrush(vertical ? QBrush(p.faceTop)
                              : QBrush(::vertical(QRectF(0, 0, w, h), p.faceTop, p.faceBottom)));
    painter.drawPolygon(shape);
    painter.setPen(QPen(p.hover, 1.5));
    if (!vertical)
        painter.drawLine(QPointF(2, 2), QPointF(w - 1.5, 2));
    else
        painter.drawLine(QPointF(2, 2), QPointF(2, h - 1.5));
    return image;
}

QImage scrollBarButtons(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF r = frameRect(i, fw, size.height());
        face(painter, r, 2, p.faceTop, p.faceBottom, p.faceBorder, false);
        arrow(painter, r, i, p.arrow);
    }
    return image;
}

QImage scrollThumb(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 3, h = size.height();
    const QRectF whole(0.5, 0.5, fw * 3 - 1, h - 1);
    // One long thumb cut into its start, middle and end.
    painter.setClipRect(QRect(0, 0, fw * 3, h));
    face(painter, whole, 3, p.faceTop, p.faceBottom, p.faceBorder, false);
    painter.setPen(QPen(p.faceBorder.lighter(140), 1));
    const qreal mx = fw * 1.5;
    for (int k = -1; k <= 1; ++k)
        painter.drawLine(QPointF(mx + k * 2.5, h * 0.3), QPointF(mx + k * 2.5, h * 0.7));
    return image;
}

QImage scrollButtons(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF r = frameRect(i, fw, size.height());
        const bool pressed = i >= 2;
        face(painter, r, 2, pressed ? p.pressedTop : p.faceTop,
             pressed ? p.pressedBottom : p.faceBottom, p.faceBorder, false);
        arrow(painter, r, 2 + i % 2, p.arrow);
    }
    return image;
}

QImage tabFace(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() + 4);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    face(painter, r, std::min(4, size.width() / 3), p.faceTop, p.background, p.faceBorder, false);
    painter.fillRect(QRectF(2, 1, size.width() - 4, 2), p.hover);
    return image;
}

QImage tabLine(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(0, 0), size), p.background);
    painter.fillRect(QRect(0, 0, size.width(), 1), p.faceBorder);
    if (size.height() > 2)
        painter.fillRect(QRect(0, 1, size.width(), 1), Qt::white);
    return image;
}

QImage sideChannelHandle(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, p.faceTop);
    g.setColorAt(1, p.faceBottom);
    painter.setPen(QPen(p.faceBorder, 1));
    painter.setBrush(g);
    painter.drawRoundedRect(r, 2, 2);
    painter.setPen(Qt::NoPen);
    for (int i = -2; i <= 2; ++i) {
        const QPointF dot(size.width() / 2.0, size.height() / 2.0 + i * 4);
        painter.setBrush(Qt::white);
        painter.drawEllipse(dot + QPointF(0.5, 0.5), 1, 1);
        painter.setBrush(p.arrow);
        painter.drawEllipse(dot, 1, 1);
    }
    return image;
}

QImage sideChannelBar(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    const QRectF r(0, 0, size.width(), size.height());
    painter.fillRect(r, vertical(r, p.titleTop, p.titleBottom));
    painter.fillRect(QRectF(0, size.height() - 1, size.width(), 1), p.titleEdge);
    return image;
}

QImage brushedPattern(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    // Pinstripes with a fixed sprinkle of lighter grains: the brushed-metal surface.
    for (int y = 0; y < size.height(); ++y) {
        painter.fillRect(QRect(0, y, size.width(), 1), y % 2 ? p.stripeB : p.stripeA);
        for (int x = 0; x < size.width(); ++x) {
            if ((x * 7 + y * 3) % 11 == 0)
                painter.fillRect(QRect(x, y, 1, 1), mix(p.stripeA, Qt::white, 0.5));
        }
    }
    return image;
}

QImage dottedPattern(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(0, 0), size), p.stripeA);
    const int w = size.width(), h = size.height();
    for (const QPoint& at : {QPoint(1, 1), QPoint(w / 2 + 1, h / 2 + 1)}) {
        painter.fillRect(QRect(at, QSize(2, 2)), p.stripeB);
        painter.fillRect(QRect(at, QSize(1, 1)), mix(p.stripeB, p.accent, 0.25));
    }
    return image;
}

QImage stripedBar(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    for (int y = 0; y < size.height(); ++y) {
        const qreal t = qreal(y) / std::max(1, size.height() - 1);
        const QColor base = mix(p.titleTop, p.titleBottom, t * 0.6);
        painter.fillRect(QRect(0, y, size.width(), 1), y % 2 ? base.darker(106) : base);
    }
    painter.fillRect(QRect(0, size.height() - 1, size.width(), 1), p.titleEdge);
    return image;
}

QImage selectionBar(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    const QRectF r(0, 0, size.width(), size.height());
    painter.fillRect(r, vertical(r, p.accent.lighter(140), p.accent.darker(110)));
    painter.fillRect(QRectF(0, 0, size.width(), 1), p.accent.lighter(170));
    return image;
}

QImage checkMark(QSize size) {
    QImage image = blank(size);
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    smooth(painter);
    QPainterPath tick;
    tick.moveTo(4, 8);
    tick.lineTo(7, 11);
    tick.lineTo(12, 5);
    painter.setPen(QPen(QColor(0x10, 0x10, 0x10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return image;
}

QImage comboButton(QSize size, const StylePalette& p) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    face(painter, r, 2, p.faceTop, p.faceBottom, p.faceBorder, false);
    gloss(painter, r, 1, false);
    arrow(painter, r.adjusted(0, 1, 0, 1), 1, p.arrow);
    return image;
}

QImage sizeGrip(QSize size) {
    QImage image = blank(size);
    QPainter painter(&image);
    // Dots in three diagonal rows in the lower-right half; a light dot under each dark one.
    const int w = size.width(), h = size.height();
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i <= row; ++i) {
            const int x = w - 3 - (row - i) * 3, y = h - 3 - i * 3;
            painter.fillRect(QRect(x, y, 2, 2), Qt::white);
            painter.fillRect(QRect(x - 1, y - 1, 2, 2), QColor(0x80, 0x80, 0x80));
        }
    }
    return image;
}

QImage messageIcons(QSize size) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const int fw = size.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF box(i * fw + 3, 3, fw - 6, size.height() - 6);
        const QPointF c = box.center();
        QPen mark(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (i == 0) {
            QPolygonF triangle;
            triangle << QPointF(c.x(), box.top()) << box.bottomRight() << box.bottomLeft();
            painter.setPen(
                QPen(QColor(0x8A, 0x6A, 0x00), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(vertical(box, QColor(0xFF, 0xE8, 0x60), QColor(0xF0, 0xB8, 0x00)));
            painter.drawPolygon(triangle);
            mark.setColor(QColor(0x30, 0x20, 0x00));
            painter.setPen(mark);
            painter.drawLine(QPointF(c.x(), box.top() + 12), QPointF(c.x(), box.bottom() - 12));
            painter.setPen(Qt::NoPen);
            painter.setBrush(mark.color());
            painter.drawEllipse(QPointF(c.x(), box.bottom() - 5.5), 2.4, 2.4);
            continue;
        }
        const QColor tones[][2] = {{},
                                   {QColor(0xF4, 0x6A, 0x5A), QColor(0xB8, 0x18, 0x10)},
                                   {QColor(0x6A, 0xA8, 0xF4), QColor(0x12, 0x4E, 0xB8)},
                                   {QColor(0x7C, 0xD0, 0x6A), QColor(0x1E, 0x86, 0x1A)}};
        painter.setPen(QPen(tones[i][1].darker(130), 1.5));
        painter.setBrush(vertical(box, tones[i][0], tones[i][1]));
        painter.drawEllipse(box);
        gloss(painter, box.adjusted(3, 1, -3, 0), 1, true);
        painter.setPen(mark);
        painter.setBrush(Qt::NoBrush);
        if (i == 1) {
            const qreal d = box.width() * 0.2;
            painter.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
            painter.drawLine(c + QPointF(d, -d), c + QPointF(-d, d));
        } else if (i == 2) {
            painter.drawLine(QPointF(c.x(), c.y() - 2), QPointF(c.x(), c.y() + 9));
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(c.x(), c.y() - 8.5), 2.5, 2.5);
        } else {
            QPainterPath hook;
            const QRectF arc(c.x() - 6.5, c.y() - 12, 13, 12);
            hook.arcMoveTo(arc, 165);
            hook.arcTo(arc, 165, -255);
            hook.lineTo(c.x(), c.y() + 4);
            painter.drawPath(hook);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::white);
            painter.drawEllipse(QPointF(c.x(), c.y() + 10), 2.5, 2.5);
        }
    }
    return image;
}

QImage programIcon(QSize size) {
    QImage image = blank(size);
    QPainter painter(&image);
    smooth(painter);
    const qreal s = size.width() / 32.0;
    painter.scale(s, s);
    // An address book: a bound cover with a page edge and a person on the cover.
    painter.setPen(QPen(QColor(0x5A, 0x2A, 0x10), 1));
    painter.setBrush(QColor(0xF4, 0xF0, 0xE4));
    painter.drawRoundedRect(QRectF(7.5, 3.5, 21, 26), 2, 2);
    painter.setBrush(
        vertical(QRectF(4, 2, 21, 27), QColor(0xD8, 0x6A, 0x2A), QColor(0x9A, 0x3A, 0x12)));
    painter.drawRoundedRect(QRectF(4.5, 2.5, 21, 26), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6A, 0x28, 0x0C));
    painter.drawRect(QRectF(4.5, 2.5, 3, 26));
    painter.setBrush(QColor(0xFF, 0xF4, 0xD8));
    painter.drawEllipse(QPointF(16.5, 11), 3.6, 3.6);
    QPainterPath body;
    body.moveTo(10, 23);
    body.cubicTo(10, 16, 23, 16, 23, 23);
    body.closeSubpath();
    painter.drawPath(body);
    // Index tabs on the page edge.
    const QColor tabs[] = {QColor(0x2E, 0x6C, 0xD0), QColor(0x2E, 0xA0, 0x3C),
                           QColor(0xE0, 0xB0, 0x20)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(tabs[i]);
        painter.drawRect(QRectF(28, 7 + i * 7, 2.5, 5));
    }
    return image;
}
