#include "skin/paint/control_painting.h"

#include "skin/paint/menu_drawing.h"

#include <QPainter>
#include <QWidget>

namespace skin::paint {

void PaintParentBackground(QPainter& painter, QWidget* control) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    painter.save();
    // The parent's coordinates land on the control: its origin sits at minus the control's
    // position, and nothing outside the parent's client area is painted.
    const QPoint origin = -control->pos();
    painter.setClipRect(QRect(origin, parent->size()), Qt::IntersectClip);
    parent->render(&painter, origin, QRegion(parent->rect()), QWidget::DrawWindowBackground);
    painter.restore();
}

void DrawControlBorder(QPainter& painter, const QWidget* control, TColor outer, TColor inner,
                       bool drawInner) {
    const QRect whole(0, 0, control->width(), control->height());
    FrameRectColor(painter, whole, outer);
    if (drawInner)
        FrameRectColor(painter, whole.adjusted(1, 1, -1, -1), inner);
}

} // namespace skin::paint
