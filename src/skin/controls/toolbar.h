#pragma once

#include "skin/themes/skin_binding.h"

#include <QToolButton>
#include <QWidget>

class TsuiToolButton;

// The skinned flat toolbar: a row of tool buttons ButtonWidth wide, separators and other
// controls, left to right. Idle and disabled buttons keep the toolkit's flat drawing; a
// button under the mouse, pressed or latched is drawn by the toolbar as a rectangle of
// its button colours with the icon on top.
class TsuiToolBar : public QWidget, public SkinBinding {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(TColor ButtonBorderColor READ ButtonBorderColor WRITE setButtonBorderColor)
    Q_PROPERTY(TColor ButtonDownColor READ ButtonDownColor WRITE setButtonDownColor)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE setButtonWidth)
    Q_PROPERTY(int buttonHeight READ buttonHeight WRITE setButtonHeight)
    Q_PROPERTY(bool List READ List WRITE setList)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE setShowCaptions)

public:
    // The strip a drop-down button keeps at its right for the arrow.
    static constexpr int kDropDownWidth = 14;

    explicit TsuiToolBar(QWidget* parent = nullptr);

    TColor ButtonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    TColor ButtonBorderColor() const { return m_buttonBorderColor; }
    void setButtonBorderColor(TColor color);
    TColor ButtonDownColor() const { return m_buttonDownColor; }
    void setButtonDownColor(TColor color);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    int ButtonWidth() const { return m_buttonWidth; }
    void setButtonWidth(int width);
    int buttonHeight() const { return m_buttonHeight; }
    void setButtonHeight(int height);
    bool List() const { return m_list; }
    void setList(bool on);
    bool ShowCaptions() const { return m_showCaptions; }
    void setShowCaptions(bool on);

    // Appends a tool button showing icon, with hint as its tooltip.
    TsuiToolButton* addButton(const QString& name, const QIcon& icon, const QString& hint);
    // Appends a separator of the given width.
    QWidget* addSeparator(const QString& name, int width);
    // Appends another control (a combo box, say), which keeps its own size.
    void addControl(QWidget* control);

    // Draws button in its hot, down or latched look. An idle or disabled button with an
    // image gets only its image (greyed when disabled) and caption, at the place they have
    // in the hot look, so nothing moves when the mouse comes over it; false for one
    // without an image and for a drop-down one, which the toolkit draws.
    bool drawButton(QPainter& painter, const TsuiToolButton& button) const;

protected:
    void UIStyleChanged() override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class Look { Idle, Hot, Down };
    void drawLook(QPainter& painter, const TsuiToolButton& button, Look look) const;
    void drawContent(QPainter& painter, const TsuiToolButton& button, Look look) const;
    void relayout();

    TColor m_buttonColor, m_buttonBorderColor, m_buttonDownColor;
    bool m_transparent = false;
    int m_buttonWidth = 23;
    int m_buttonHeight = 22;
    bool m_list = false;
    bool m_showCaptions = false;
    QList<QWidget*> m_items;
};

// A button of a TsuiToolBar: shows its icon only, never takes the keyboard focus, and
// leaves its hot, down and latched looks to the toolbar.
class TsuiToolButton : public QToolButton {
    Q_OBJECT

public:
    explicit TsuiToolButton(TsuiToolBar* bar);

    bool isHot() const { return m_hot; }
    bool isDropDown() const { return popupMode() == QToolButton::MenuButtonPopup; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TsuiToolBar* m_bar;
    bool m_hot = false;
};
