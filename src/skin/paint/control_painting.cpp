#include "skin/paint/control_painting.h"

#include "skin/paint/menu_drawing.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace skin::paint {

void PaintParentBackground(QPainter& painter, QWidget* control) {
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    // The parent is rendered into an image of its own: rendering it straight through a
    // painter that is already drawing on the same window leaves parts of it black.
    QImage under(control->size(), QImage::Format_ARGB32_Premultiplied);
    under.fill(parent->palette().color(parent->backgroundRole()));
    // Only the part of the parent's client area under the control is drawn, at the place
    // it has in the control.
    const QRect source = QRect(control->pos(), control->size()) & parent->rect();
    if (!source.isEmpty()) {
        QPainter imagePainter(&under);
        parent->render(&imagePainter, source.topLeft() - control->pos(), QRegion(source),
                       QWidget::DrawWindowBackground);
    }
    painter.drawImage(0, 0, under);
}

void DrawControlBorder(QPainter& painter, const QWidget* control, TColor outer, TColor inner,
                       bool drawInner) {
    const QRect whole(0, 0, control->width(), control->height());
    FrameRectColor(painter, whole, outer);
    if (drawInner)
        FrameRectColor(painter, whole.adjusted(1, 1, -1, -1), inner);
}

} // namespace skin::paint
