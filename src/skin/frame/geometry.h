#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace skin::frame {

// True when point lies in rect with its right and bottom edges counted as inside: rect is
// read as left, top, right = left + width, bottom = top + height.
bool PointInRect(const QPoint& point, const QRect& rect);

// The work area of the desktop (the screen without panels): of the screen nearest the
// main form when there is one, otherwise of the primary screen.
QRect GetWorkArea();

// Moves and sizes form to rect.
void SetFormBounds(QWidget* form, const QRect& rect);

// The top-left corner that centres a window of size in area.
QPoint centredIn(const QRect& area, QSize size);

// Centres window on its screen each time it is shown. A skinned window draws its own
// frame, so it is placed by its own size; the toolkit's placement of dialogs would allow
// for a frame the window does not have.
void centreOnScreenWhenShown(QWidget* window);

} // namespace skin::frame
