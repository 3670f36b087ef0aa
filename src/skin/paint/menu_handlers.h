#pragma once

#include <QMetaType>
#include <functional>

class QAction;
class QPainter;
class QRect;
class QSize;

namespace skin::paint {

// Owner drawing of menu items: the measure handler gives an item's size, the draw handler
// paints it. The skinned menus read them back from each action.
using MenuMeasureHandler = std::function<void(QAction* item, QSize& size)>;
using MenuDrawHandler =
    std::function<void(QAction* item, QPainter& painter, const QRect& rect, bool selected)>;

struct MenuDrawHandlers {
    MenuMeasureHandler measure;
    MenuDrawHandler draw;
};
// Installs both handlers on item and, depth first, on every item of its submenus.
void SetMenuDrawHandlers(QAction* item, const MenuMeasureHandler& measure,
                         const MenuDrawHandler& draw);
// The handlers installed on item (both empty when none are).
MenuDrawHandlers menuDrawHandlersOf(const QAction* item);

} // namespace skin::paint

Q_DECLARE_METATYPE(skin::paint::MenuDrawHandlers)
