#pragma once

#include "skin/themes/skin_binding.h"

#include <QLineEdit>

// The skinned single-line edit: the toolkit's edit without its sunken border, framed by a
// line of BorderColor outside a line of the edit's own colour.
class TsuiEdit : public QLineEdit, public SkinBinding {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)

public:
    explicit TsuiEdit(QWidget* parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // The background, which is also the inner frame line.
    TColor Color() const { return TColor::fromQColor(palette().color(QPalette::Base)); }
    void setColor(TColor color);

protected:
    void UIStyleChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_borderColor;
};
