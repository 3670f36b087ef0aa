#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QWidget;

namespace skin::frame {

// Moving and resizing a frameless window with the mouse button that went down at
// globalPress. The window system does it when it can (it then also snaps and shows its
// own feedback); where it cannot, as on an X server without a window manager, the
// window follows the mouse until the button is released.
void startWindowMove(QWidget* window, const QPoint& globalPress);
void startWindowResize(QWidget* window, Qt::Edges edges, const QPoint& globalPress);

// The window's new geometry when the mouse has moved by delta from where a resize of
// edges started on start, kept at least minimum in size.
QRect resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta,
                      const QSize& minimum);

} // namespace skin::frame
