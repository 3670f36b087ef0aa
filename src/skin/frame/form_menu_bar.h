#pragma once

#include "skin/themes/skin_metrics.h"
#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

#include <QFont>
#include <QToolButton>
#include <QWidget>

class QAction;
class QKeyEvent;
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
// attached menu, under the title bar. From the keyboard, F10 opens the first list and
// Alt with an item's letter opens that item's list; in an open list Left and Right move
// to the neighbouring item's list. Opening and closing are announced to screen readers.
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

    // Opens the list of the item at index with its first usable item selected, as the
    // keyboard does; false when the item is disabled or has no list.
    bool openMenu(int index);
    // Runs the menu bar's keys (F10, Alt with an item's letter) pressed in its window;
    // true when the key opened a list.
    bool handleKey(const QKeyEvent& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void arrange();
    void watchList(MenuBarButton* button);
    // Opens the list next to the open one (step -1 or +1), passing over disabled items.
    void openNeighbour(int from, int step);

    MenuBarLook m_look;
    int m_height = skin::themes::kMenuBarHeight;
    QList<MenuBarButton*> m_buttons;
};

} // namespace skin::frame
