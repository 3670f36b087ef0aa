#include "app/link_label.h"

#include "platform/desktop_open.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString& caption, const QUrl& url, QWidget* parent)
    : QLabel(caption, parent), m_url(url) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setColor(kColor);
}

void LinkLabel::setColor(QRgb color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(color));
    setPalette(palette);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setColor(kHoverColor);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setColor(kColor);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        platform::openUrl(m_url);
    QLabel::mouseReleaseEvent(event);
}
