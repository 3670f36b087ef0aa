#include "skin/frame/title_bar_accessible.h"

#include "skin/frame/title_bar.h"
#include "skin/frame/title_bar_popup_menu.h"

namespace skin::frame {

TitleBarAccessible::TitleBarAccessible(TsuiTitleBar* bar)
    : QAccessibleWidget(bar, QAccessible::TitleBar) {}

TsuiTitleBar* TitleBarAccessible::bar() const {
    return static_cast<TsuiTitleBar*>(widget());
}

QString TitleBarAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return bar()->Caption();
    return QAccessibleWidget::text(t);
}

int TitleBarAccessible::childCount() const {
    return 1;
}

QAccessibleInterface* TitleBarAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(bar()->PopupMenu()) : nullptr;
}

int TitleBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == bar()->PopupMenu() ? 0 : -1;
}

void TitleBarAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if (key == QLatin1String("TsuiTitleBar"))
                    return new TitleBarAccessible(static_cast<TsuiTitleBar*>(object));
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace skin::frame
