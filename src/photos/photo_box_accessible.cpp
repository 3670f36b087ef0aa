#include "photos/photo_box_accessible.h"

#include "photos/photo_box.h"

namespace photos {

PhotoBoxAccessible::PhotoBoxAccessible(PhotoBox* box)
    : QAccessibleWidget(box, QAccessible::Graphic) {}

PhotoBox* PhotoBoxAccessible::box() const {
    return static_cast<PhotoBox*>(widget());
}

QStringList PhotoBoxAccessible::actionNames() const {
    return box()->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

QString PhotoBoxAccessible::localizedActionDescription(const QString& actionName) const {
    if (actionName == pressAction())
        return box()->toolTip();
    return QAccessibleWidget::localizedActionDescription(actionName);
}

void PhotoBoxAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && box()->isEnabled())
        box()->click();
}

void PhotoBoxAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& key, QObject* object) -> QAccessibleInterface* {
                if (key == QLatin1String("photos::PhotoBox"))
                    return new PhotoBoxAccessible(static_cast<PhotoBox*>(object));
                return nullptr;
            });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace photos
