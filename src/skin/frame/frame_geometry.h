#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>

#include <functional>

namespace skin::frame {

// The arithmetic of the skinned frame, apart from any widget: where a sizeable window
// resizes from, where the title bar puts its sections, buttons and caption, and which
// rectangles make up the window's outline.

// Where a point of a skinned window's client area acts on the window.
enum class HitZone {
    Default,
    TopLeft,
    TopRight,
    BottomRight,
    BottomLeft,
    Left,
    Top,
    Right,
    Bottom
};

// The zone of point (form client coordinates) in a client area of size client. Only a
// window whose own border was sizeable resizes; all others answer Default everywhere.
HitZone formHitTest(const QPoint& point, const QSize& client, bool sizeable);
// The zone of point in title-bar coordinates: only the top band resizes from the bar.
HitZone titleBarHitTest(const QPoint& point, int formClientWidth, bool sizeable);

// The panel's rectangle inside a client area, leaving border strips on the left, right
// and bottom, and on top too when the title bar is hidden.
QRect formPanelRect(const QSize& client, int borderWidth, bool titleBarVisible);
// The strips left, bottom, right and top that the form paints in its border colour (the
// top one shows only while the title bar is hidden).
QList<QRect> formBorderStrips(const QSize& client, int borderWidth);

// One background section of the title bar as layout needs it.
enum class SectionAlign { Left, Right, Client };
struct SectionSlot {
    SectionAlign align = SectionAlign::Left;
    int width = 0;
};
// The rectangle of each section in order (an empty rectangle for a right section that
// no longer fits; the client section takes what lies between the sides).
QList<QRect> layoutSections(const QList<SectionSlot>& sections, const QSize& bar);

// One button of the title bar as layout needs it.
struct ButtonSlot {
    bool visible = true;
    bool controlBox = false;
    QSize picture;
    int top = 0;
};
struct ButtonLayout {
    QList<QRect> rects;  // per button; empty for hidden buttons
    int controlBox = -1; // index of the control box, -1 for none
    int captionLeft = 0;
    int captionRight = 0; // the first right-side button's x (or where it would be)
};
ButtonLayout layoutButtons(const QList<ButtonSlot>& buttons, int barWidth, int leftOffset,
                           int rightOffset, int interval, bool drawAppIcon);

// The caption shortened from the end until it and "..." fit in available pixels, or the
// caption itself when it fits. Always ends: at worst only "..." is left.
QString shortenCaption(const QString& caption, int available,
                       const std::function<int(const QString&)>& textWidth);

// The window outline with round top corners. The pixels cut from the edge in each top row
// of a corner, for a corner of the given radius: the quarter of a radius x radius ellipse
// in its corner square of radius / 2; rows after the list are not cut.
QList<int> roundCornerCuts(int radius);
// The window's rectangle with both top corners cut alike, the right one the mirror of the
// left; the bottom corners stay square. radius 0 gives the plain rectangle.
QRegion roundTopRegion(const QSize& size, int radius);

} // namespace skin::frame
