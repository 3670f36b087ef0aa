#include "skin/frame/menu_bar_accessible.h"

#include "platform/accessible_names.h"
#include "skin/frame/form_menu_bar.h"

#include <QMenu>

namespace skin::frame {

MenuBarAccessible::MenuBarAccessible(FormMenuBar* bar)
    : QAccessibleWidget(bar, QAccessible::MenuBar) {}

void MenuBarAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if (key == QLatin1String("skin::frame::FormMenuBar"))
                    return new MenuBarAccessible(static_cast<FormMenuBar*>(object));
                if (key == QLatin1String("skin::frame::MenuBarButton"))
                    return new MenuBarItemAccessible(static_cast<MenuBarButton*>(object));
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}

MenuBarItemAccessible::MenuBarItemAccessible(MenuBarButton* button)
    : QAccessibleWidget(button, QAccessible::MenuItem) {}

MenuBarButton* MenuBarItemAccessible::button() const {
    return static_cast<MenuBarButton*>(widget());
}

QString MenuBarItemAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name)
        return platform::withoutAccelerator(button()->text());
    return QAccessibleWidget::text(t);
}

QAccessible::State MenuBarItemAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    const QMenu* list = button()->dropDown();
    const bool open = list && list->isVisible();
    s.hasPopup = list != nullptr;
    s.expandable = list != nullptr;
    s.expanded = open;
    s.focusable = s.selectable = button()->isEnabled();
    s.focused = s.selected = open;
    return s;
}

int MenuBarItemAccessible::childCount() const {
    return button()->dropDown() ? 1 : 0;
}

QAccessibleInterface* MenuBarItemAccessible::child(int index) const {
    QMenu* list = button()->dropDown();
    return index == 0 && list ? QAccessible::queryAccessibleInterface(list) : nullptr;
}

int MenuBarItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() && child->object() == button()->dropDown() ? 0 : -1;
}

QStringList MenuBarItemAccessible::actionNames() const {
    return button()->isEnabled() && button()->dropDown() ? QStringList{showMenuAction()}
                                                         : QStringList{};
}

void MenuBarItemAccessible::doAction(const QString& actionName) {
    if (actionName != showMenuAction())
        return;
    auto* bar = static_cast<FormMenuBar*>(button()->parentWidget());
    bar->openMenu(int(bar->Buttons().indexOf(button())));
}

} // namespace skin::frame
