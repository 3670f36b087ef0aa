#include "photos/photo_box.h"

#include "photos/photo_box_accessible.h"

#include <QMouseEvent>
#include <QPainter>

namespace photos {

PhotoBox::PhotoBox(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PhotoBoxAccessible::install();
}

void PhotoBox::click() {
    emit clicked();
}

void PhotoBox::paintEvent(QPaintEvent*) {
    const QPixmap picture = pixmap();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture);
}

void PhotoBox::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

} // namespace photos
