#include "skin/controls/url_label.h"

#include "platform/desktop_open.h"

#include <QMouseEvent>
#include <QUrl>

TsuiURLLabel::TsuiURLLabel(QWidget* parent)
    : QLabel(QStringLiteral("suiURLLabel"), parent), m_url(QStringLiteral("about:blank")) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setTextColor(m_linkColor);
    adjustSize();
}

void TsuiURLLabel::setURL(const QString& url) {
    if (url != m_url)
        m_url = url;
}

void TsuiURLLabel::setFontLinkColor(TColor color) {
    m_linkColor = color;
    setTextColor(color);
}

void TsuiURLLabel::setTextColor(TColor color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color.toQColor());
    setPalette(palette);
}

void TsuiURLLabel::enterEvent(QEnterEvent* event) {
    setTextColor(m_hoverColor);
    QLabel::enterEvent(event);
}

void TsuiURLLabel::leaveEvent(QEvent* event) {
    setTextColor(m_linkColor);
    QLabel::leaveEvent(event);
}

void TsuiURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (!m_url.trimmed().isEmpty())
        platform::openUrl(QUrl(m_url));
    emit clicked();
}
