#include "skin/controls/edit.h"

#include "skin/paint/control_painting.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/theme_elements.h"

#include <QPainter>

using namespace skin::paint;
using namespace skin::themes;

TsuiEdit::TsuiEdit(QWidget* parent) : QLineEdit(parent) {
    // Without the toolkit's border the text keeps two pixels from each side, the ring the
    // frame is drawn in.
    setFrame(false);
    setAutoFillBackground(true);
    setUIStyle(startStyleFor(parent));
}

void TsuiEdit::UIStyleChanged() {
    m_borderColor = styleReader().color(ThemeElement::ControlBorderColor);
    update();
}

void TsuiEdit::setBorderColor(TColor color) {
    m_borderColor = color;
    update();
}

void TsuiEdit::setColor(TColor color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color.toQColor());
    colours.setColor(QPalette::Window, color.toQColor());
    setPalette(colours);
    update();
}

void TsuiEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    DrawControlBorder(painter, this, m_borderColor, Color(), true);
}
