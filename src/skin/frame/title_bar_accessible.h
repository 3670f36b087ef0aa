#pragma once

#include <QAccessibleWidget>

class TsuiTitleBar;

namespace skin::frame {

// A skinned title bar as a screen reader sees it: a title bar named by the window's
// caption, whose one child is its window menu (the one Alt+Space opens), so the menu has
// a place in the tree also while it is closed.
class TitleBarAccessible : public QAccessibleWidget {
public:
    explicit TitleBarAccessible(TsuiTitleBar* bar);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    // Registers the interface for every skinned title bar; runs once however often called.
    static void install();

private:
    TsuiTitleBar* bar() const;
};

} // namespace skin::frame
