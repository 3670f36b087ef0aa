#pragma once

#include "skin/themes/skin_binding.h"

#include <QComboBox>

// The skinned combo box: the toolkit's combo box with a flat frame of BorderColor outside
// a line of its own colour, a drop-down button from the style (a picture under WinXP and
// MacOS, a filled face with an arrow otherwise) and a BorderColor frame around the open
// list. The simple style keeps the toolkit's look.
class TsuiCustomComboBox : public QComboBox, public SkinBinding {
    Q_OBJECT

public:
    enum TComboBoxStyle {
        csDropDown,
        csSimple,
        csDropDownList,
        csOwnerDrawFixed,
        csOwnerDrawVariable
    };
    Q_ENUM(TComboBoxStyle)

    explicit TsuiCustomComboBox(QWidget* parent = nullptr);

    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TColor ArrowColor() const { return m_arrowColor; }
    void setArrowColor(TColor color);
    TColor ButtonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    // The widget style keeps its setter beside the combo box style's.
    using QComboBox::setStyle;
    TComboBoxStyle Style() const { return m_comboStyle; }
    // csDropDown and csSimple edit their text; the other styles only choose from the list.
    void setStyle(TComboBoxStyle style);

    void showPopup() override;
    void hidePopup() override;

    // The rectangle of the drop-down button, as the toolkit lays it out.
    QRect buttonRect() const;

protected:
    void UIStyleChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawButton(QPainter& painter, const QRect& button) const;

    TColor m_borderColor, m_arrowColor, m_buttonColor;
    TComboBoxStyle m_comboStyle = csDropDown;
};

// Publishes the combo box's properties.
class TsuiComboBox : public TsuiCustomComboBox {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TColor ArrowColor READ ArrowColor WRITE setArrowColor)
    Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(TComboBoxStyle Style READ Style WRITE setStyle)

public:
    using TsuiCustomComboBox::TsuiCustomComboBox;
};
