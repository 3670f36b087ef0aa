#include "skin/controls/group_box.h"

#include "skin/themes/skin_metrics.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/theme_elements.h"

#include <QEvent>
#include <QPainter>

using namespace skin::themes;

namespace {

// A straight line from one point towards another, without the end point, as a pen draws.
void segment(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    const int dx = to.x() > from.x() ? 1 : to.x() < from.x() ? -1 : 0;
    const int dy = to.y() > from.y() ? 1 : to.y() < from.y() ? -1 : 0;
    for (QPoint p = from; p != to; p += QPoint(dx, dy))
        painter.fillRect(QRect(p, QSize(1, 1)), color);
}

} // namespace

TsuiCustomGroupBox::TsuiCustomGroupBox(QWidget* parent) : TsuiCustomPanel(parent) {
    setPanelText(QStringLiteral(" "));
    resize(kDefaultSize);
    updateAlignedArea();
    setUIStyle(startStyleFor(parent));
}

void TsuiCustomGroupBox::fileThemeRemoved() {
    ApplyStyleToChildren(this, TsuiUIStyle::DeepBlue, nullptr);
    setUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiCustomGroupBox::UIStyleChanged() {
    ApplyStyle(UIStyle(), FileTheme());
}

void TsuiCustomGroupBox::ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme) {
    ApplyStyleToChildren(this, style, fileTheme);
    const StyleReader look = styleReader();
    m_borderColor = look.color(ThemeElement::ControlBorderColor);
    m_fontColor = look.color(ThemeElement::ControlFontColor);
    update();
}

void TsuiCustomGroupBox::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TsuiCustomGroupBox::setBorderColor(TColor color) {
    m_borderColor = color;
    update();
}

void TsuiCustomGroupBox::setFontColor(TColor color) {
    m_fontColor = color;
    update();
}

int TsuiCustomGroupBox::captionHeight() const {
    // The font's stored height, not what the font file happens to measure: the line and
    // the content area must not move with the installed fonts.
    const QFont f = font();
    return f.pixelSize() > 0 ? f.pixelSize() : qRound(f.pointSizeF() * 96 / 72.0);
}

void TsuiCustomGroupBox::updateAlignedArea() {
    setContentsMargins(3, captionHeight() + 5, 3, 3);
}

void TsuiCustomGroupBox::paintEvent(QPaintEvent* event) {
    const int h = captionHeight();
    if (isTransparent())
        TsuiCustomPanel::paintEvent(event);
    QPainter painter(this);
    if (!isTransparent())
        painter.fillRect(rect(), Color().toQColor());

    const int right = width(), bottom = height(), y = h / 2 + 1;
    const int gapEnd = m_caption.isEmpty() ? 0
                                           : kGroupGapEndAfterText +
                                                 QFontMetrics(font()).horizontalAdvance(m_caption);
    const QColor line = m_borderColor.toQColor();
    const QPoint corners[] = {{kGroupGapStart, y},     {0, y},         {0, bottom - 1},
                              {right - 1, bottom - 1}, {right - 1, y}, {gapEnd, y}};
    for (int i = 0; i + 1 < int(std::size(corners)); ++i)
        segment(painter, corners[i], corners[i + 1], line);

    painter.setFont(font());
    painter.setPen(isEnabled() ? m_fontColor.toQColor() : kDisabledText.toQColor());
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QRect(kGroupCaptionOrigin, size()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}

void TsuiCustomGroupBox::changeEvent(QEvent* event) {
    TsuiCustomPanel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        // Every control directly inside takes the group box's state, whatever it had.
        for (QObject* child : children())
            if (auto* control = qobject_cast<QWidget*>(child))
                control->setEnabled(isEnabled());
        update();
    } else if (event->type() == QEvent::FontChange) {
        updateAlignedArea();
        update();
    }
}
