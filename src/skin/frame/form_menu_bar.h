#pragma once

#include "skin/themes/skin_metrics.h"
#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

#include <QFont>
#include <QToolButton>
#include <QWidget>

class QAction;
class QMenu;

namespace skin::frame {

// How a skinned form's menu bar draws: the style, the menu's font and colours.
struct MenuBarLook {
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    QFont font;
    TColor fontColor;
    TColor barColor;
    TColor selectedBackground, selectedBorder, selectedFont;
};

class FormMenuBar;

// One top-level item on the menu bar: its caption, enabled state and drop-down list
// follow the item; under the mouse or open it is drawn in the selected colours.
class MenuBarButton : public QToolButton {
    Q_OBJECT

public:
    MenuBarButton(QAction* item, FormMenuBar* bar);
    QSize sizeHint() const override;
    // The item's drop-down list.
    QMenu* dropDown() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A menu bar shows no hints for its items.
    bool event(QEvent* event) override;

private:
    FormMenuBar* m_bar;
};

// The menu bar of a skinned form: a flat row of buttons, one per top-level item of the
// attached menu, under the title bar.
class FormMenuBar : public QWidget {
    Q_OBJECT

public:
    explicit FormMenuBar(QWidget* parent);

    const MenuBarLook& Look() const { return m_look; }
    void setLook(const MenuBarLook& look);
    void setBarHeight(int height);
    int barHeight() const { return m_height; }

    // Replaces the buttons by one per item, in order.
    void rebuild(const QList<QAction*>& items);
    // Re-reads every button's caption and enabled state.
    void updateCaptions();
    QList<MenuBarButton*> Buttons() const { return m_buttons; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void arrange();

    MenuBarLook m_look;
    int m_height = skin::themes::kMenuBarHeight;
    QList<MenuBarButton*> m_buttons;
};

} // namespace skin::frame
