#include "skin/controls/menu_item_style.h"

#include "skin/controls/menu_skin.h"
#include "skin/paint/menu_handlers.h"
#include "skin/themes/skin_metrics.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

using namespace skin::paint;
using namespace skin::themes;

namespace skin::controls {

namespace {

// The action behind the item being measured: the list measures its items in order with
// the item's text (and shortcut after a tab) in the option.
QAction* measuredAction(const QMenu* list, const QStyleOptionMenuItem* option) {
    const bool separator = option->menuItemType == QStyleOptionMenuItem::Separator;
    const QString text = option->text.section(QLatin1Char('\t'), 0, 0);
    for (QAction* action : list->actions()) {
        if (action->isVisible() && action->isSeparator() == separator &&
            (separator || action->text() == text))
            return action;
    }
    return nullptr;
}

} // namespace

MenuItemStyle::MenuItemStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

MenuItemStyle* MenuItemStyle::instance() {
    static QPointer<MenuItemStyle> style;
    if (!style) {
        style = new MenuItemStyle;
        style->setParent(qApp);
    }
    return style;
}

const TsuiMenu* MenuItemStyle::owningMenu(const QWidget* list) {
    for (const QObject* o = list; o; o = o->parent()) {
        if (const auto* menu = qobject_cast<const TsuiMenu*>(o))
            return menu;
        if (!qobject_cast<const QMenu*>(o))
            break;
    }
    return nullptr;
}

void MenuItemStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* list = qobject_cast<const QMenu*>(widget);
    if (element == CE_MenuItem && list) {
        QAction* action = list->actionAt(option->rect.center());
        const MenuDrawHandlers handlers = menuDrawHandlersOf(action);
        if (handlers.draw) {
            painter->save();
            handlers.draw(action, *painter, option->rect, option->state & State_Selected);
            painter->restore();
            return;
        }
    }
    if (element == CE_MenuEmptyArea && list) {
        if (const TsuiMenu* menu = owningMenu(list)) {
            painter->fillRect(option->rect, menu->Color().toQColor());
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuItemStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelMenu || element == PE_FrameMenu) {
        if (const TsuiMenu* menu = owningMenu(widget)) {
            if (element == PE_PanelMenu)
                painter->fillRect(option->rect, menu->Color().toQColor());
            menu->drawFrame(*painter, option->rect);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuItemStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                      const QSize& size, const QWidget* widget) const {
    const auto* list = qobject_cast<const QMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type == CT_MenuItem && list && item) {
        QAction* action = measuredAction(list, item);
        const MenuDrawHandlers handlers = menuDrawHandlersOf(action);
        if (handlers.measure) {
            QSize measured = size;
            handlers.measure(action, measured);
            return measured;
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int MenuItemStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                               const QWidget* widget) const {
    if (owningMenu(widget)) {
        switch (metric) {
        case PM_MenuPanelWidth:
            return kMenuFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace skin::controls
