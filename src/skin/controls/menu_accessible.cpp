#include "skin/controls/menu_accessible.h"

#include "platform/accessible_names.h"
#include "skin/controls/menu_item_style.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QWindow>

using namespace skin::controls;

namespace {

bool isSkinnedList(const QObject* object) {
    const auto* list = qobject_cast<const QMenu*>(object);
    return list && MenuItemStyle::owningMenu(list);
}

// The skinned list an item sits in: the first one that holds it.
QMenu* listOf(QAction* item) {
    for (QObject* o : item->associatedObjects()) {
        auto* list = qobject_cast<QMenu*>(o);
        if (list && isSkinnedList(list) && list->actions().contains(item))
            return list;
    }
    return nullptr;
}

// Closes the list with every skinned list open above or below it, as choosing an item
// does; stops at any other popup or one that refuses to close.
void closeListChain(QMenu* list) {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!isSkinnedList(popup))
            break;
        popup->close();
        if (popup->isVisible())
            break;
    }
    list->hide();
}

} // namespace

// --- the list --------------------------------------------------------------------------

MenuListAccessible::MenuListAccessible(QMenu* list)
    : QAccessibleWidget(list, QAccessible::PopupMenu) {}

QMenu* MenuListAccessible::list() const {
    return static_cast<QMenu*>(widget());
}

QAccessibleInterface* MenuListAccessible::parent() const {
    // The widget that opens this list (a menu bar's item) is its parent, else the item
    // of another list that opens it; the hidden main menu that also holds the list's
    // item is not shown anywhere. A list of its own (the window menu) sits under the
    // widget that owns it.
    QAction* opener = list()->menuAction();
    for (QObject* o : opener->associatedObjects()) {
        if (o->isWidgetType() && !qobject_cast<QMenu*>(o))
            return QAccessible::queryAccessibleInterface(o);
    }
    if (QMenu* above = listOf(opener); above && above != list())
        return QAccessible::queryAccessibleInterface(opener);
    if (QWidget* owner = list()->parentWidget())
        return QAccessible::queryAccessibleInterface(owner);
    return QAccessibleWidget::parent();
}

int MenuListAccessible::childCount() const {
    return int(list()->actions().size());
}

QAccessibleInterface* MenuListAccessible::child(int index) const {
    const QList<QAction*> items = list()->actions();
    if (index < 0 || index >= items.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(items.at(index));
}

int MenuListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child ? int(list()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
}

QAccessibleInterface* MenuListAccessible::childAt(int x, int y) const {
    QAction* item = list()->actionAt(list()->mapFromGlobal(QPoint(x, y)));
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

QString MenuListAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return platform::withoutAccelerator(list()->title());
    return QAccessibleWidget::text(t);
}

void MenuListAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if ((key == QLatin1String("QMenu") || key == QLatin1String("TsuiMenu")) &&
                    isSkinnedList(object))
                    return new MenuListAccessible(static_cast<QMenu*>(object));
                if (key == QLatin1String("QAction")) {
                    auto* item = static_cast<QAction*>(object);
                    if (QMenu* list = listOf(item))
                        return new MenuItemAccessible(item, list);
                }
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}

// --- an item ---------------------------------------------------------------------------

MenuItemAccessible::MenuItemAccessible(QAction* item, QMenu* list) : m_item(item), m_list(list) {}

bool MenuItemAccessible::isValid() const {
    return m_item && m_list;
}

QObject* MenuItemAccessible::object() const {
    return m_item;
}

QWindow* MenuItemAccessible::window() const {
    return m_list ? m_list->windowHandle() : nullptr;
}

QAccessibleInterface* MenuItemAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_list);
}

int MenuItemAccessible::childCount() const {
    return m_item->menu() ? 1 : 0;
}

QAccessibleInterface* MenuItemAccessible::child(int index) const {
    return index == 0 && m_item->menu() ? QAccessible::queryAccessibleInterface(m_item->menu())
                                        : nullptr;
}

int MenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && m_item->menu() && child->object() == m_item->menu() ? 0 : -1;
}

QAccessibleInterface* MenuItemAccessible::childAt(int, int) const {
    return nullptr;
}

QString MenuItemAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return m_item->isSeparator() ? QString() : platform::withoutAccelerator(m_item->text());
    case QAccessible::Description:
        return m_item->statusTip();
    case QAccessible::Accelerator:
        return m_item->shortcut().toString(QKeySequence::NativeText);
    default:
        return QString();
    }
}

QRect MenuItemAccessible::rect() const {
    const QRect r = m_list->actionGeometry(m_item);
    return QRect(m_list->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role MenuItemAccessible::role() const {
    return m_item->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const {
    QAccessible::State s;
    const bool shown = m_list->isVisible() && m_item->isVisible();
    s.invisible = !shown;
    s.offscreen = !shown;
    s.disabled = !m_item->isEnabled() || m_item->isSeparator();
    if (m_item->isSeparator())
        return s;
    s.focusable = s.selectable = !s.disabled;
    s.checkable = m_item->isCheckable();
    s.checked = m_item->isChecked();
    s.hasPopup = m_item->menu() != nullptr;
    const bool current = shown && m_list->activeAction() == m_item;
    s.focused = s.selected = s.hotTracked = current;
    return s;
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

QStringList MenuItemAccessible::actionNames() const {
    if (!m_item->isEnabled() || m_item->isSeparator())
        return {};
    return {m_item->menu() ? showMenuAction() : pressAction()};
}

void MenuItemAccessible::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName))
        return;
    if (m_item->menu()) {
        m_list->setActiveAction(m_item);
        return;
    }
    // The list closes before the item runs, as when it is chosen by the mouse or Enter.
    const QPointer<QAction> item = m_item;
    closeListChain(m_list);
    if (item)
        item->trigger();
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction() || m_item->shortcut().isEmpty())
        return {};
    return {m_item->shortcut().toString(QKeySequence::NativeText)};
}
