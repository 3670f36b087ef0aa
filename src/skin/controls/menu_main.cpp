#include "skin/controls/menu_main.h"

#include "skin/frame/sui_form.h"

#include <QAction>
#include <QKeyEvent>

TsuiMainMenu::TsuiMainMenu(QWidget* owner) : TsuiMenu(owner), m_checkMark(loadMenuCheckMark()) {
    if (owner && owner->isWindow()) {
        if (auto* form = owner->findChild<TsuiForm*>(QString(), Qt::FindDirectChildrenOnly))
            form->setMenu(this);
    }
}

TsuiMainMenu::~TsuiMainMenu() {
    if (m_form)
        m_form->setMenu(nullptr);
}

void TsuiMainMenu::Loaded() {
    hookItems();
    if (m_form)
        m_form->RebuildMenuBar();
}

void TsuiMainMenu::setUseSystemFont(bool use) {
    TsuiMenu::setUseSystemFont(use);
    if (m_form)
        m_form->UpdateMenuBarFont();
}

TsuiForm* TsuiMainMenu::skinnedForm() const {
    return m_form;
}

void TsuiMainMenu::setSkinnedForm(TsuiForm* form) {
    m_form = form;
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
