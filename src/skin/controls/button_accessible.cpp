#include "skin/controls/button_accessible.h"

#include "platform/accessible_names.h"
#include "skin/controls/custom_button.h"

TsuiButtonAccessible::TsuiButtonAccessible(TsuiCustomButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

TsuiCustomButton* TsuiButtonAccessible::button() const {
    return static_cast<TsuiCustomButton*>(widget());
}

QString TsuiButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return platform::accessibleNameOf(widget());
    return QAccessibleWidget::text(t);
}

QAccessible::State TsuiButtonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->isMouseDown() || button()->isDown();
    s.defaultButton = button()->Default();
    return s;
}

QStringList TsuiButtonAccessible::actionNames() const {
    return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void TsuiButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && widget()->isEnabled())
        button()->click();
}

void TsuiButtonAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if (key != QLatin1String("TsuiCustomButton"))
                    return nullptr;
                return new TsuiButtonAccessible(static_cast<TsuiCustomButton*>(object));
            });
        return true;
    }();
    Q_UNUSED(installed);
}
