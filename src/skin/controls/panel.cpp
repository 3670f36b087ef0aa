#include "skin/controls/panel.h"

#include "skin/paint/control_painting.h"
#include "skin/paint/tile_bitmap.h"

#include <QPainter>

using namespace skin::paint;

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent) : QWidget(parent) {
    // The panel paints every pixel itself; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TsuiCustomPanel::setTransparentBackground(bool on) {
    SetTransparent(on);
}

void TsuiCustomPanel::SetTransparent(bool on) {
    m_transparent = on;
    update();
}

void TsuiCustomPanel::setPicture(const QImage& picture) {
    m_picture = picture;
    PictureChanged();
}

void TsuiCustomPanel::setDrawStyle(DrawStyle style) {
    m_drawStyle = style;
    update();
}

void TsuiCustomPanel::setAutoSizeToPicture(bool on) {
    m_autoSize = on;
    PictureChanged();
}

void TsuiCustomPanel::PictureChanged() {
    if (!m_picture.isNull() && m_autoSize)
        resize(m_picture.size());
    update();
}

void TsuiCustomPanel::setPanelText(const QString& text) {
    m_text = text;
    CaptionChanged();
    update();
}

void TsuiCustomPanel::setTextAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void TsuiCustomPanel::setTextPosition(QPoint position) {
    m_textPosition = position;
    update();
}

void TsuiCustomPanel::setColor(TColor color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color.toQColor());
    setPalette(colours);
    update();
}

void TsuiCustomPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_transparent)
        PaintParentBackground(painter, this);
    if (!m_picture.isNull()) {
        switch (m_drawStyle) {
        case Stretch:
            painter.drawImage(rect(), m_picture);
            break;
        case Tile:
            TileBitmap(painter, m_picture, rect());
            break;
        case Normal:
            painter.drawImage(0, 0, m_picture);
            break;
        }
    } else if (!m_transparent)
        painter.fillRect(rect(), Color().toQColor());
    if (m_text.trimmed().isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    if (m_textPosition.x() == -1 || m_textPosition.y() == -1)
        painter.drawText(rect(), int(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine, m_text);
    else
        painter.drawText(QRect(m_textPosition, size()), Qt::TextSingleLine, m_text);
}

void TsuiCustomPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}
