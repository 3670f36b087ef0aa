#pragma once

#include "skin/themes/tcolor.h"

class QPainter;
class QWidget;

namespace skin::paint {

// Paints what the control's parent shows under the control (its background and its own
// painting, without other children), so a see-through control shows its parent. Nothing
// happens for a control without a parent.
void PaintParentBackground(QPainter& painter, QWidget* control);

// Frames the control's whole rectangle, moved to (0, 0), with a one-pixel line in outer;
// with drawInner also the rectangle inset by one pixel in inner. Used from the control's
// own painting.
void DrawControlBorder(QPainter& painter, const QWidget* control, TColor outer, TColor inner,
                       bool drawInner);

} // namespace skin::paint
