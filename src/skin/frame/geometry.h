#pragma once

#include <QPoint>
#include <QRect>

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

} // namespace skin::frame
