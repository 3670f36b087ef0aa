#pragma once

#include "skin/themes/tcolor.h"

#include <QRect>

class QColor;
class QFont;
class QPainter;

namespace skin::paint {

// Drawing primitives of the skinned menus. Rectangles are read with right = x + width and
// bottom = y + height as their far (exclusive) edges.

// A one-pixel frame just inside rect.
void FrameRectColor(QPainter& painter, const QRect& rect, TColor color);
void FillRectColor(QPainter& painter, const QRect& rect, TColor color);
// A one-pixel line at top + 2 from left + indent + 4 up to (not including) right - 2.
void DrawMenuSeparator(QPainter& painter, const QRect& rect, TColor color, int indent);

// The striped menu bar of MacOS, cut to its top 12 or 20 rows and stretched over rect.
void DrawMacMenuBarShort(QPainter& painter, const QRect& rect);
void DrawMacMenuBarTall(QPainter& painter, const QRect& rect);
// The MacOS selected item, cut to its top 20 rows and stretched over rect.
void DrawMacMenuSelection(QPainter& painter, const QRect& rect);

// The frame of a popup menu, drawn on the popup itself: window is the popup's rectangle in
// the painter's coordinates. Frame colour on the outermost pixels but the top row, white
// inside it, and the top row in the shadow colour.
void DrawPopupMenuFrame(QPainter& painter, const QRect& window, TColor frameColor,
                        TColor shadowColor);

// The desktop's menu font and menu text colour.
void GetMenuSystemFont(QFont& font, QColor& color);

} // namespace skin::paint
