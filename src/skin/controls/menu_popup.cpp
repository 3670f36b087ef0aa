#include "skin/controls/menu_popup.h"

using namespace skin::controls;

TsuiPopupMenu::TsuiPopupMenu(QWidget* owner) : TsuiMenu(owner) {}

QImage TsuiPopupMenu::checkMark() const {
    static const QImage shared = loadMenuCheckMark();
    return shared;
}

void TsuiPopupMenu::Popup(const QPoint& point) {
    hookItems();
    popup(point);
}
