#include "skin/paint/menu_handlers.h"

#include <QAction>
#include <QMenu>
#include <QVariant>

namespace skin::paint {

namespace {
constexpr char kHandlersProperty[] = "_kalmo_menu_draw_handlers";
}

void SetMenuDrawHandlers(QAction* item, const MenuMeasureHandler& measure,
                         const MenuDrawHandler& draw) {
    if (!item)
        return;
    item->setProperty(kHandlersProperty, QVariant::fromValue(MenuDrawHandlers{measure, draw}));
    if (const QMenu* sub = item->menu()) {
        for (QAction* child : sub->actions())
            SetMenuDrawHandlers(child, measure, draw);
    }
}

MenuDrawHandlers menuDrawHandlersOf(const QAction* item) {
    return item ? item->property(kHandlersProperty).value<MenuDrawHandlers>() : MenuDrawHandlers{};
}

} // namespace skin::paint
