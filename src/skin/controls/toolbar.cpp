#include "skin/controls/toolbar.h"

#include "skin/paint/control_painting.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/theme_elements.h"

#include <QPainter>
#include <QStyleOption>

using namespace skin::paint;
using namespace skin::themes;

namespace {

// The toolkit's flat separator: an etched line in the middle of its width.
class ToolSeparator : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        option.state |= QStyle::State_Horizontal;
        style()->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, &painter, this);
    }
};

void drawDropDownArrow(QPainter& painter, const QRect& r) {
    const int right = r.x() + r.width(), top = r.y(), bottom = r.y() + r.height();
    const int m = r.height() / 2;
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    const QPoint outer[] = {{right - 9, m}, {right - 5, m}, {right - 7, m + 2}};
    const QPoint inner[] = {{right - 8, m}, {right - 6, m}, {right - 7, m + 1}};
    painter.drawPolygon(outer, 3);
    painter.drawPolygon(inner, 3);
    painter.fillRect(QRect(right - TsuiToolBar::kDropDownWidth, top, 1, bottom - top), Qt::black);
}

} // namespace

TsuiToolBar::TsuiToolBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUIStyle(startStyleFor(parent));
}

void TsuiToolBar::UIStyleChanged() {
    const StyleReader look = styleReader();
    m_buttonBorderColor = look.color(ThemeElement::ToolBarButtonBorderColor);
    m_buttonColor = look.color(ThemeElement::ToolBarButtonBackgroundColor);
    m_buttonDownColor = look.color(ThemeElement::ToolBarButtonDownBackgroundColor);
    m_transparent = UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::Protein;
    update();
}

void TsuiToolBar::setButtonColor(TColor color) {
    m_buttonColor = color;
    update();
}

void TsuiToolBar::setButtonBorderColor(TColor color) {
    m_buttonBorderColor = color;
    update();
}

void TsuiToolBar::setButtonDownColor(TColor color) {
    m_buttonDownColor = color;
    update();
}

void TsuiToolBar::setTransparent(bool on) {
    m_transparent = on;
    update();
}

void TsuiToolBar::setButtonWidth(int width) {
    m_buttonWidth = width;
    relayout();
}

void TsuiToolBar::setButtonHeight(int height) {
    m_buttonHeight = height;
    relayout();
}

void TsuiToolBar::setList(bool on) {
    m_list = on;
    update();
}

void TsuiToolBar::setShowCaptions(bool on) {
    m_showCaptions = on;
    for (QWidget* item : m_items)
        if (auto* button = qobject_cast<QToolButton*>(item))
            button->setToolButtonStyle(on ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    update();
}

TsuiToolButton* TsuiToolBar::addButton(const QString& name, const QIcon& icon,
                                       const QString& hint) {
    auto* button = new TsuiToolButton(this);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setToolTip(hint);
    m_items << button;
    relayout();
    button->show();
    return button;
}

QWidget* TsuiToolBar::addSeparator(const QString& name, int width) {
    auto* separator = new ToolSeparator(this);
    separator->setObjectName(name);
    separator->setAttribute(Qt::WA_TransparentForMouseEvents);
    separator->resize(width, m_buttonHeight);
    m_items << separator;
    relayout();
    separator->show();
    return separator;
}

void TsuiToolBar::addControl(QWidget* control) {
    control->setParent(this);
    m_items << control;
    relayout();
    control->show();
}

void TsuiToolBar::relayout() {
    int x = 0;
    for (QWidget* item : m_items) {
        if (qobject_cast<TsuiToolButton*>(item))
            item->setGeometry(x, 0, m_buttonWidth, m_buttonHeight);
        else if (dynamic_cast<ToolSeparator*>(item))
            item->setGeometry(x, 0, item->width(), m_buttonHeight);
        else
            item->move(x, 0);
        x += item->width();
    }
}

bool TsuiToolBar::drawButton(QPainter& painter, const TsuiToolButton& button) const {
    const bool hot = button.isHot() && button.isEnabled();
    const bool pressed = button.isDown();
    const bool latched = button.isChecked();
    if (hot) {
        drawLook(painter, button, pressed ? Look::Down : Look::Hot);
        if (button.isDropDown())
            drawDropDownArrow(painter, button.rect());
        return true;
    }
    if (pressed || latched) {
        drawLook(painter, button, Look::Hot);
        return true;
    }
    if (button.icon().isNull() || button.isDropDown())
        return false;
    drawContent(painter, button, Look::Idle);
    return true;
}

void TsuiToolBar::drawLook(QPainter& painter, const TsuiToolButton& button, Look look) const {
    const QRect r = button.rect();
    painter.fillRect(r, (look == Look::Hot ? m_buttonColor : m_buttonDownColor).toQColor());
    painter.setPen(m_buttonBorderColor.toQColor());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    drawContent(painter, button, look);
}

void TsuiToolBar::drawContent(QPainter& painter, const TsuiToolButton& button, Look look) const {
    const QRect r = button.rect();
    const int right = r.x() + r.width() - (button.isDropDown() ? kDropDownWidth : 0);
    const QString caption = button.text();
    const QFontMetrics metrics(button.font());
    const int textWidth = metrics.horizontalAdvance(caption);
    painter.setFont(button.font());
    painter.setPen(button.palette().color(
        button.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    auto writeCaption = [&painter, &caption](int x, int y) {
        painter.drawText(QRect(x, y, 1000, 1000), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         caption);
    };
    if (!button.icon().isNull()) {
        const QSize iconSize = button.iconSize();
        // Images of the hot and down looks are drawn in their enabled form.
        const QIcon::Mode mode =
            look != Look::Idle || button.isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QPixmap image = button.icon().pixmap(iconSize, mode);
        QPoint at;
        if (m_list)
            at = {r.x() + 5, r.y() + 3};
        else
            at = {r.x() + (right - r.x() - iconSize.width()) / 2 - (look == Look::Hot ? 1 : 0),
                  r.y() + (look == Look::Hot ? 2 : 3)};
        painter.drawPixmap(at, image);
        if (m_showCaptions) {
            if (m_list)
                writeCaption(r.x() + iconSize.width() + 7, r.y() + 4);
            else
                writeCaption(r.x() + (right - r.x() - textWidth) / 2,
                             r.y() + iconSize.height() + 4);
        }
    } else if (m_showCaptions) {
        if (m_list)
            writeCaption(r.x() + 8, r.y() + 3);
        else
            writeCaption(r.x() + (right - r.x() - textWidth) / 2,
                         r.y() + (look == Look::Hot ? 4 : 5));
    }
}

void TsuiToolBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_transparent)
        PaintParentBackground(painter, this);
    else
        painter.fillRect(rect(), palette().color(QPalette::Window));
}

TsuiToolButton::TsuiToolButton(TsuiToolBar* bar) : QToolButton(bar), m_bar(bar) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(16, 16));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void TsuiToolButton::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        if (m_bar->drawButton(painter, *this))
            return;
    }
    QToolButton::paintEvent(event);
}

void TsuiToolButton::enterEvent(QEnterEvent* event) {
    QToolButton::enterEvent(event);
    m_hot = true;
    update();
}

void TsuiToolButton::leaveEvent(QEvent* event) {
    QToolButton::leaveEvent(event);
    m_hot = false;
    update();
}
