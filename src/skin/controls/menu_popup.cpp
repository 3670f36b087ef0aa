#include "skin/controls/menu_popup.h"

TsuiPopupMenu::TsuiPopupMenu(QWidget* owner) : TsuiMenu(owner) {}

QImage TsuiPopupMenu::CheckMark() const {
    static const QImage shared = LoadMenuCheckMark();
    return shared;
}

void TsuiPopupMenu::Popup(const QPoint& point) {
    HookItems();
    popup(point);
}
