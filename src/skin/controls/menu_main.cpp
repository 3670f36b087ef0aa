#include "skin/controls/menu_main.h"

#include "skin/themes/property_names.h"
#include "skin/themes/style_inheritance.h"

#include <QAction>
#include <QKeyEvent>

using namespace skin::controls;
using namespace skin::themes;

TsuiMainMenu::TsuiMainMenu(QWidget* owner) : TsuiMenu(owner), m_checkMark(loadMenuCheckMark()) {
    if (QObject* form = skinnedFormOf(owner))
        form->setProperty(skin::themes::property::Menu, QVariant::fromValue(this));
}

TsuiMainMenu::~TsuiMainMenu() {
    if (m_form)
        emit detaching();
}

void TsuiMainMenu::Loaded() {
    hookItems();
    emit itemsLoaded();
}

void TsuiMainMenu::setUseSystemFont(bool use) {
    TsuiMenu::setUseSystemFont(use);
    emit itemFontChanged();
}

bool TsuiMainMenu::isShortCut(const QKeyEvent* key) {
    const QKeySequence pressed(key->keyCombination());
    QList<QAction*> pending = actions();
    while (!pending.isEmpty()) {
        QAction* item = pending.takeFirst();
        if (QMenu* sub = item->menu()) {
            pending += sub->actions();
            continue;
        }
        if (!item->shortcut().isEmpty() && item->shortcut() == pressed) {
            if (item->isEnabled())
                item->trigger();
            return true;
        }
    }
    return false;
}
