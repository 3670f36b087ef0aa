#pragma once

#include <QAccessibleWidget>

namespace skin::frame {

class FormMenuBar;
class MenuBarButton;

// A skinned form's menu bar as a screen reader sees it: a menu bar whose children are its
// items.
class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(FormMenuBar* bar);

    // Registers the interfaces of the menu bar and its items; runs once however often
    // called.
    static void install();
};

// One item of the menu bar: a menu item named by its caption without the "&", disabled
// with its item, focused while its list is open, whose one child is that list; its action
// opens the list.
class MenuBarItemAccessible : public QAccessibleWidget {
public:
    explicit MenuBarItemAccessible(MenuBarButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    MenuBarButton* button() const;
};

} // namespace skin::frame
