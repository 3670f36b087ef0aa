#include "skin/frame/form_menu_bar.h"

#include "platform/accessible_events.h"
#include "skin/frame/menu_bar_accessible.h"
#include "skin/frame/menu_keys.h"
#include "skin/paint/keyed_blit.h"
#include "skin/paint/menu_drawing.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

using namespace skin::paint;
using namespace skin::themes;

namespace skin::frame {

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

MenuBarButton::MenuBarButton(QAction* item, FormMenuBar* bar) : QToolButton(bar), m_bar(bar) {
    setObjectName(item->objectName());
    setDefaultAction(item);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
}

QSize MenuBarButton::sizeHint() const {
    const QFontMetrics metrics(m_bar->Look().font);
    const int textWidth = metrics.boundingRect(QRect(), kTextFlags, text()).width();
    return QSize(textWidth + kMenuBarButtonPadding, m_bar->barHeight());
}

bool MenuBarButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return true;
    return QToolButton::event(event);
}

QMenu* MenuBarButton::dropDown() const {
    return defaultAction() ? defaultAction()->menu() : nullptr;
}

void MenuBarButton::paintEvent(QPaintEvent*) {
    const MenuBarLook& look = m_bar->Look();
    QPainter painter(this);
    painter.setFont(look.font);
    const bool pressed = isDown() || (dropDown() && dropDown()->isVisible());
    const bool hot = underMouse() && isEnabled();
    QRect r = rect();
    if (!pressed && !hot) {
        painter.setPen(isEnabled() ? look.fontColor.toQColor() : kDisabledText.toQColor());
        painter.drawText(r, kTextFlags, text());
        return;
    }
    if (look.style == TsuiUIStyle::MacOS) {
        const QImage select = loadSkinResource("MACOS_MENU_SELECT");
        stretchBlit(painter, r, select, select.rect(), false);
        painter.setPen(look.selectedFont.toQColor());
        painter.drawText(r.adjusted(0, 0, 0, kMacMenuBarTextDrop), kTextFlags, text());
        return;
    }
    if (pressed)
        r.adjust(0, 0, -kMenuBarPressedRightCut, 0);
    FillRectColor(painter, r, look.selectedBackground);
    FrameRectColor(painter, r, look.selectedBorder);
    if (pressed)
        r.adjust(kMenuBarPressedLeftCut, 0, 0, 0);
    r.adjust(0, kMenuBarTopCut, 0, 0);
    painter.setPen(look.selectedFont.toQColor());
    painter.drawText(r, kTextFlags, text());
}

FormMenuBar::FormMenuBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MenuBar"));
    MenuBarAccessible::install();
}

void FormMenuBar::setLook(const MenuBarLook& look) {
    m_look = look;
    arrange();
    update();
    for (MenuBarButton* b : m_buttons)
        b->update();
}

void FormMenuBar::setBarHeight(int height) {
    m_height = height;
    arrange();
}

void FormMenuBar::rebuild(const QList<QAction*>& items) {
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (QAction* item : items) {
        auto* button = new MenuBarButton(item, this);
        connect(item, &QAction::changed, this, &FormMenuBar::updateCaptions);
        button->show();
        m_buttons.append(button);
        watchList(button);
    }
    arrange();
}

void FormMenuBar::watchList(MenuBarButton* button) {
    QMenu* list = button->dropDown();
    if (!list)
        return;
    list->installEventFilter(this);
    // A list opened from the keyboard has no pressed button to redraw the item.
    connect(list, &QMenu::aboutToShow, button, [this, button] {
        button->update();
        QAccessibleEvent start(this, QAccessible::MenuStart);
        platform::notifyAccessible(start);
        QAccessibleEvent focus(button, QAccessible::Focus);
        platform::notifyAccessible(focus);
    });
    connect(list, &QMenu::aboutToHide, button, [this, button] {
        button->update();
        QAccessibleEvent end(this, QAccessible::MenuEnd);
        platform::notifyAccessible(end);
    });
}

bool FormMenuBar::openMenu(int index) {
    if (index < 0 || index >= m_buttons.size())
        return false;
    MenuBarButton* button = m_buttons.at(index);
    QMenu* list = button->dropDown();
    if (!list || !button->isEnabled() || !button->isVisible())
        return false;
    list->popup(button->mapToGlobal(button->rect().bottomLeft() + QPoint(0, 1)));
    for (QAction* item : list->actions()) {
        if (item->isEnabled() && !item->isSeparator() && item->isVisible()) {
            list->setActiveAction(item);
            break;
        }
    }
    return true;
}

bool FormMenuBar::handleKey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_F10 && key.modifiers() == Qt::NoModifier) {
        for (int i = 0; i < m_buttons.size(); ++i) {
            if (openMenu(i))
                return true;
        }
        return false;
    }
    if (key.modifiers() != Qt::AltModifier)
        return false;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (isMenuLetterKey(key, menuLetter(m_buttons.at(i)->text())) && openMenu(i))
            return true;
    }
    return false;
}

void FormMenuBar::openNeighbour(int from, int step) {
    const int n = int(m_buttons.size());
    for (int k = 1; k <= n; ++k) {
        const int i = ((from + step * k) % n + n) % n;
        if (i == from)
            return; // no other item to go to
        if (m_buttons.at(i)->isEnabled() && m_buttons.at(i)->dropDown()) {
            m_buttons.at(from)->dropDown()->close();
            openMenu(i);
            return;
        }
    }
}

bool FormMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Left && key->key() != Qt::Key_Right)
        return false;
    auto* list = static_cast<QMenu*>(watched);
    // Right on an item with a list of its own opens that list instead.
    if (key->key() == Qt::Key_Right && list->activeAction() && list->activeAction()->menu())
        return false;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons.at(i)->dropDown() == list) {
            openNeighbour(i, key->key() == Qt::Key_Left ? -1 : 1);
            return true;
        }
    }
    return false;
}

void FormMenuBar::updateCaptions() {
    for (MenuBarButton* b : m_buttons) {
        if (QAction* item = b->defaultAction()) {
            b->setText(item->text());
            b->setEnabled(item->isEnabled());
        }
    }
    arrange();
}

void FormMenuBar::arrange() {
    int x = 0;
    for (MenuBarButton* b : m_buttons) {
        const QSize size = b->sizeHint();
        b->setGeometry(x, 0, size.width(), m_height);
        x += size.width();
    }
}

void FormMenuBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_look.style == TsuiUIStyle::MacOS) {
        const QImage bar = loadSkinResource("MACOS_MENU_BAR");
        stretchBlit(painter, rect(), bar, bar.rect(), false);
    } else {
        painter.fillRect(rect(), m_look.barColor.toQColor());
    }
}

} // namespace skin::frame
