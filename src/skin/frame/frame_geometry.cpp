#include "skin/frame/frame_geometry.h"

#include "skin/themes/skin_metrics.h"

using namespace skin::themes;

namespace skin::frame {

HitZone formHitTest(const QPoint& point, const QSize& client, bool sizeable) {
    if (!sizeable)
        return HitZone::Default;
    const int x = point.x(), y = point.y();
    const int cw = client.width(), ch = client.height();
    const bool left = x < kResizeMargin, top = y < kResizeMargin;
    const bool right = x > cw - kResizeMargin, bottom = y > ch - kResizeMargin;
    if (left && top)
        return HitZone::TopLeft;
    if (right && top)
        return HitZone::TopRight;
    if (right && bottom)
        return HitZone::BottomRight;
    if (left && bottom)
        return HitZone::BottomLeft;
    if (left)
        return HitZone::Left;
    if (top)
        return HitZone::Top;
    if (right)
        return HitZone::Right;
    if (bottom)
        return HitZone::Bottom;
    return HitZone::Default;
}

HitZone titleBarHitTest(const QPoint& point, int formClientWidth, bool sizeable) {
    if (!sizeable || point.y() >= kResizeMargin)
        return HitZone::Default;
    if (point.x() < kResizeMargin)
        return HitZone::TopLeft;
    if (point.x() > formClientWidth - kResizeMargin)
        return HitZone::TopRight;
    return HitZone::Top;
}

QRect formPanelRect(const QSize& client, int borderWidth, bool titleBarVisible) {
    const int top = titleBarVisible ? 0 : borderWidth;
    return QRect(borderWidth, top, client.width() - 2 * borderWidth,
                 client.height() - borderWidth - top);
}

QList<QRect> formBorderStrips(const QSize& client, int borderWidth) {
    const int cw = client.width(), ch = client.height(), bw = borderWidth;
    return {QRect(0, 0, bw, ch), QRect(0, ch - bw, cw, bw), QRect(cw - bw, 0, bw, ch),
            QRect(0, 0, cw, bw)};
}

QList<QRect> layoutSections(const QList<SectionSlot>& sections, const QSize& bar) {
    QList<QRect> rects(sections.size());
    int left = -1, right = bar.width() + 1;
    int client = -1;
    for (int i = 0; i < sections.size(); ++i) {
        const int w = sections[i].width;
        switch (sections[i].align) {
        case SectionAlign::Left:
            rects[i] = QRect(left + 1, 0, w, bar.height());
            left += w;
            break;
        case SectionAlign::Right:
            if (bar.width() - left >= w) {
                rects[i] = QRect(right - w - 1, 0, w, bar.height());
                right -= w;
            }
            break;
        case SectionAlign::Client:
            client = i;
            break;
        }
    }
    if (client >= 0)
        rects[client] = QRect(QPoint(left + 1, 0), QPoint(right - 2, bar.height() - 1));
    return rects;
}

ButtonLayout layoutButtons(const QList<ButtonSlot>& buttons, int barWidth, int leftOffset,
                           int rightOffset, int interval, bool drawAppIcon) {
    ButtonLayout layout;
    layout.rects.resize(buttons.size());
    int x = barWidth + rightOffset + 1;
    for (int i = 0; i < buttons.size(); ++i) {
        const ButtonSlot& b = buttons[i];
        if (!b.visible)
            continue;
        if (b.controlBox) {
            layout.controlBox = i;
            continue;
        }
        x -= b.picture.width() + interval + 1;
        layout.rects[i] = QRect(QPoint(x, b.top), b.picture);
    }
    int lx = leftOffset;
    if (layout.controlBox >= 0) {
        const ButtonSlot& box = buttons[layout.controlBox];
        layout.rects[layout.controlBox] = QRect(QPoint(lx, box.top), box.picture);
        lx += drawAppIcon ? skin::themes::kAppIconAdvance
                          : box.picture.width() + skin::themes::kControlBoxGap;
    }
    if (lx == 0)
        lx = skin::themes::kCaptionDefaultLeft;
    layout.captionLeft = lx;
    layout.captionRight = x;
    return layout;
}

QString shortenCaption(const QString& caption, int available,
                       const std::function<int(const QString&)>& textWidth) {
    if (textWidth(caption) <= available)
        return caption;
    const QString dots = QStringLiteral("...");
    QString text = caption;
    while (!text.isEmpty() && textWidth(text + dots) > available)
        text.chop(1);
    return text + dots;
}

QList<int> roundCornerCuts(int radius) {
    QList<int> cuts;
    const int square = radius / 2;
    if (square <= 0)
        return cuts;
    const QRegion ellipse(QRect(0, 0, radius, radius), QRegion::Ellipse);
    for (int y = 0; y < square; ++y) {
        int cut = 0;
        while (cut < square && !ellipse.contains(QPoint(cut, y)))
            ++cut;
        cuts.append(cut);
    }
    return cuts;
}

QRegion roundTopRegion(const QSize& size, int radius) {
    QRegion region(QRect(QPoint(0, 0), size));
    const QList<int> cuts = roundCornerCuts(radius);
    for (int y = 0; y < cuts.size(); ++y) {
        region -= QRegion(0, y, cuts[y], 1);
        region -= QRegion(size.width() - cuts[y], y, cuts[y], 1);
    }
    return region;
}

} // namespace skin::frame
