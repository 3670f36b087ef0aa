#include "skin/paint/skinned_rect.h"

#include "skin/paint/keyed_blit.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace skin::paint {

namespace {

// A rectangle by its four edges, right and bottom exclusive.
struct Edges {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
};

enum class Keep { LeftTop, LeftBottom, RightTop, RightBottom };

// Draws one corner: the piece is the overlap in size of the source quarter s and the
// target quarter t, cut from s on the kept sides and placed at the given corner of the
// rectangle. Returns the rectangle drawn (empty when nothing is drawn).
Edges drawCorner(const QImage& src, QPainter& p, Edges s, Edges t, Keep keep, int farRight,
                 int farBottom, bool keyed) {
    const int pw = std::max(0, std::min(s.width(), t.width()));
    const int ph = std::max(0, std::min(s.height(), t.height()));
    const bool keepRight = keep == Keep::RightTop || keep == Keep::RightBottom;
    const bool keepBottom = keep == Keep::LeftBottom || keep == Keep::RightBottom;
    if (keepRight)
        s.left = s.right - pw;
    else
        s.right = s.left + pw;
    if (keepBottom)
        s.top = s.bottom - ph;
    else
        s.bottom = s.top + ph;
    const int x = keepRight ? farRight - pw : 0;
    const int y = keepBottom ? farBottom - ph : 0;
    const Edges drawn{x, y, x + pw, y + ph};
    if (pw > 0 && ph > 0)
        stretchBlit(p, drawn.toQRect(), src, s.toQRect(), keyed);
    return drawn;
}

enum class Cut { None, KeepLeft, KeepRight, KeepTop, KeepBottom };

// Stretches strip s onto d, always keyed; s is first cut to d's width or height on the
// named side when d is narrower or lower than s.
void drawStrip(const QImage& src, QPainter& p, Edges s, const Edges& d, Cut cut) {
    if (d.width() <= 0 || d.height() <= 0)
        return;
    if (cut == Cut::KeepLeft && d.width() < s.width())
        s.right = s.left + d.width();
    if (cut == Cut::KeepRight && d.width() < s.width())
        s.left = s.right - d.width();
    if (cut == Cut::KeepTop && d.height() < s.height())
        s.bottom = s.top + d.height();
    if (cut == Cut::KeepBottom && d.height() < s.height())
        s.top = s.bottom - d.height();
    if (s.width() <= 0 || s.height() <= 0)
        return;
    stretchBlit(p, d.toQRect(), src, s.toQRect(), true);
}

} // namespace

void DrawSkinnedRect(const QImage& source, QPainter& painter, const QRect& rect, bool keyed) {
    const int sw = source.width(), sh = source.height();
    const int right = rect.x() + rect.width(), bottom = rect.y() + rect.height();
    const int dw = rect.width(), dh = rect.height();
    const int sw2 = sw / 2, sh2 = sh / 2, dw2 = dw / 2, dh2 = dh / 2;

    const Edges tl = drawCorner(source, painter, {0, 0, sw2, sh2}, {0, 0, dw2, dh2}, Keep::LeftTop,
                                right, bottom, keyed);
    const Edges bl = drawCorner(source, painter, {0, sh - sh2 + 1, sw2, sh},
                                {0, dh - dh2 + 1, dw2, dh}, Keep::LeftBottom, right, bottom, keyed);
    const Edges tr = drawCorner(source, painter, {sw - sw2 + 1, 0, sw, sh2},
                                {dw - dw2 + 1, 0, dw, dh2}, Keep::RightTop, right, bottom, keyed);
    const Edges br =
        drawCorner(source, painter, {sw - sw2 + 1, sh - sh2 + 1, sw, sh},
                   {dw - dw2 + 1, dh - dh2 + 1, dw, dh}, Keep::RightBottom, right, bottom, keyed);

    drawStrip(source, painter, {0, sh2, sw2, sh - sh2}, {0, tl.bottom, tl.right, bl.top},
              Cut::KeepLeft);
    drawStrip(source, painter, {sw - sw2 + 1, sh - sh2, sw, sh2 + 2},
              {tr.left, tr.bottom, tr.right, br.top}, Cut::KeepRight);
    drawStrip(source, painter, {sw2, 0, sw - sw2 + 1, sh2}, {tl.right, 0, tr.left, tl.bottom},
              Cut::KeepTop);
    drawStrip(source, painter, {sw2, sh2, sw - sw2 + 1, sh - sh2},
              {tl.right, tl.bottom, tr.left, br.top - 1}, Cut::None);
    drawStrip(source, painter, {sw2, sh - sh2, sw - sw2 + 1, sh},
              {tl.right - 1, bl.top - 1, br.left, br.bottom}, Cut::KeepBottom);
}

} // namespace skin::paint
