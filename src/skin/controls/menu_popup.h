#pragma once

#include "skin/controls/menu_skin.h"

// A skinned popup menu (the title bar's window menu is one): drawn like the main menu's
// drop-down lists and popped up at a screen point.
class TsuiPopupMenu : public TsuiMenu {
    Q_OBJECT

public:
    explicit TsuiPopupMenu(QWidget* owner);

    // Hooks items added since the last call and shows the menu at point (screen).
    void Popup(const QPoint& point);

protected:
    // One check mark for all popup menus.
    QImage checkMark() const override;
};
