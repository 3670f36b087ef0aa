#include "skin/controls/combo_box.h"

#include "platform/platform_version.h"
#include "skin/paint/control_painting.h"
#include "skin/paint/keyed_blit.h"
#include "skin/paint/menu_drawing.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/theme_elements.h"

#include <QAbstractItemView>
#include <QFrame>
#include <QPainter>
#include <QStyleOptionComboBox>

using namespace skin::paint;
using namespace skin::themes;

namespace {

// A filled triangle pointing down, 7 pixels wide and 4 high, from (x, y).
void drawArrow(QPainter& painter, int x, int y, TColor color) {
    painter.setPen(color.toQColor());
    painter.setBrush(color.toQColor());
    const QPoint corners[] = {{x, y}, {x + 6, y}, {x + 3, y + 3}};
    painter.drawPolygon(corners, 3);
}

} // namespace

TsuiCustomComboBox::TsuiCustomComboBox(QWidget* parent) : QComboBox(parent) {
    setAutoFillBackground(true);
    // Disabled, the box keeps its colour and only its text greys, as the platform's
    // boxes did; the toolkit would give it its own window colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base,
                     colours.color(QPalette::Active, QPalette::Base));
    setPalette(colours);
    setEditable(true);
    setUIStyle(startStyleFor(parent));
}

void TsuiCustomComboBox::UIStyleChanged() {
    const StyleReader look = styleReader();
    m_arrowColor = kComboArrowColor;
    m_borderColor = look.color(ThemeElement::ControlBorderColor);
    m_buttonColor = look.color(ThemeElement::FormBackgroundColor);
    update();
}

void TsuiCustomComboBox::setBorderColor(TColor color) {
    m_borderColor = color;
    update();
}

void TsuiCustomComboBox::setArrowColor(TColor color) {
    m_arrowColor = color;
    update();
}

void TsuiCustomComboBox::setButtonColor(TColor color) {
    m_buttonColor = color;
    update();
}

void TsuiCustomComboBox::setStyle(TComboBoxStyle style) {
    m_comboStyle = style;
    setEditable(style == csDropDown || style == csSimple);
    update();
}

void TsuiCustomComboBox::showPopup() {
    QComboBox::showPopup();
    // The list's window gets a one-pixel frame of the border colour.
    auto* list = qobject_cast<QFrame*>(view()->parentWidget());
    if (!list || IsWin95Osr2() || m_comboStyle == csSimple)
        return;
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    QPalette colours = list->palette();
    colours.setColor(QPalette::WindowText, m_borderColor.toQColor());
    list->setPalette(colours);
    list->update();
}

void TsuiCustomComboBox::hidePopup() {
    QComboBox::hidePopup();
    if (parentWidget())
        parentWidget()->update();
}

QRect TsuiCustomComboBox::buttonRect() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
}

void TsuiCustomComboBox::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    if (IsWin95Osr2() || m_comboStyle == csSimple)
        return;
    QPainter painter(this);
    DrawControlBorder(painter, this, m_borderColor,
                      TColor::fromQColor(palette().color(QPalette::Base)), true);
    drawButton(painter, buttonRect());
}

void TsuiCustomComboBox::drawButton(QPainter& painter, const QRect& button) const {
    const char* picture = UIStyle() == TsuiUIStyle::WinXP   ? "WINXP_COMBOBOX_BUTTON"
                          : UIStyle() == TsuiUIStyle::MacOS ? "MACOS_COMBOBOX_BUTTON"
                                                            : nullptr;
    if (picture) {
        const QImage image = loadSkinResource(picture);
        stretchBlit(painter, button, image, image.rect(), false);
    } else {
        FillRectColor(painter, button, m_buttonColor);
        painter.setPen(m_borderColor.toQColor());
        painter.drawLine(button.left(), button.top() - 1, button.left(), button.bottom() + 1);
    }
    if (UIStyle() == TsuiUIStyle::WinXP)
        return;
    const int right = button.x() + button.width(), bottom = button.y() + button.height();
    const int x = button.x() + (right - button.x()) / 2 - 3;
    const int y = (bottom - button.y()) / 2;
    if (isEnabled())
        drawArrow(painter, x, y, m_arrowColor);
    else {
        drawArrow(painter, x + 1, y + 1, kEmbossLight);
        drawArrow(painter, x, y, kEmbossShade);
    }
}
