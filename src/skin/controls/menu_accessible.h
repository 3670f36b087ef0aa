#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QPointer>

class QAction;
class QMenu;

// What a screen reader learns of the skinned menus: a drop-down list (or popup menu) is a
// menu whose children are its items, each a menu item (or separator) named by its caption
// without the "&", with its enabled, checked and focused states and a "press" action. The
// toolkit announces an opened list and the item that takes the focus; these interfaces
// answer its questions about them. A list opened from a menu bar names the bar's item as
// its parent, so the tree reads bar, item, list, items.
class MenuListAccessible : public QAccessibleWidget {
public:
    explicit MenuListAccessible(QMenu* list);

    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // Registers the interfaces for every skinned menu; runs once however often called.
    static void install();

private:
    QMenu* list() const;
};

class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAction* item, QMenu* list);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QPointer<QAction> m_item;
    QPointer<QMenu> m_list;
};
