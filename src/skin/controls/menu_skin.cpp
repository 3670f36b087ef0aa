#include "skin/controls/menu_skin.h"

#include "platform/fonts.h"
#include "skin/controls/menu_accessible.h"
#include "skin/controls/menu_item_style.h"
#include "skin/paint/menu_drawing.h"
#include "skin/paint/menu_handlers.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_elements.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

using namespace skin::controls;
using namespace skin::paint;
using namespace skin::themes;

namespace {

QString shortcutText(const QAction* item) {
    return item->shortcut().toString(QKeySequence::NativeText);
}

// The picture drawn greyed for a disabled item.
QPixmap itemPixmap(const QIcon& icon, const QSize& size, bool enabled) {
    return icon.pixmap(size, enabled ? QIcon::Normal : QIcon::Disabled);
}

} // namespace

namespace skin::controls {

QImage loadMenuCheckMark() {
    QImage mark = loadSkinResource("MENU_CHECKED").convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mark.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mark.scanLine(y));
        for (int x = 0; x < mark.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF)
                line[x] = 0;
        }
    }
    return mark;
}

} // namespace skin::controls

TsuiMenu::TsuiMenu(QWidget* owner) : QMenu(owner) {
    const QPalette palette = QApplication::palette();
    m_barColor = TColor::fromQColor(palette.color(QPalette::Button));
    m_color = TColor::fromHex(0xFFFFFF);
    m_separatorColor = TColor::fromHex(0x808080);
    m_selectedBorderColor = m_selectedColor =
        TColor::fromQColor(palette.color(QPalette::Highlight));
    m_selectedFontColor = m_fontColor = TColor::fromHex(0xFFFFFF);
    setStyle(MenuItemStyle::instance());
    MenuListAccessible::install();
    setUIStyle(OwnerFormStyle(owner));
}

TsuiMenu::~TsuiMenu() = default;

void TsuiMenu::UIStyleChanged() {
    m_barWidth = kMenuBarWidth;
    if (UIStyle() == TsuiUIStyle::MacOS) {
        m_itemHeight = kMacMenuItemHeight;
        m_separatorHeight = kMacMenuSeparatorHeight;
        m_separatorColor = TColor(0);
    } else {
        m_itemHeight = kMenuItemHeight;
        m_separatorHeight = kMenuSeparatorHeight;
        m_separatorColor = TColor::fromHex(0x848284);
    }
    const StyleReader source = styleReader();
    m_barColor = source.color(ThemeElement::MenuBarColor);
    m_color = source.color(ThemeElement::MenuBackgroundColor);
    m_fontColor = source.color(ThemeElement::MenuFontColor);
    m_selectedBorderColor = source.color(ThemeElement::MenuSelectedBorderColor);
    m_selectedColor = source.color(ThemeElement::MenuSelectedBackgroundColor);
    m_selectedFontColor = source.color(ThemeElement::MenuSelectedFontColor);
}

void TsuiMenu::setMenuItemHeight(int height) {
    if (UIStyle() != TsuiUIStyle::MacOS)
        m_itemHeight = height;
}

void TsuiMenu::setSeparatorHeight(int height) {
    if (UIStyle() != TsuiUIStyle::MacOS)
        m_separatorHeight = height;
}

QFont TsuiMenu::itemFont() const {
    if (m_useSystemFont) {
        QFont font;
        QColor color;
        GetMenuSystemFont(font, color);
        return font;
    }
    QFont font(m_fontName);
    font.setPixelSize(qRound(m_fontSize * 96 / 72.0));
    return platform::unsmoothed(font);
}

QColor TsuiMenu::itemFontColor() const {
    return m_fontColor.toQColor();
}

void TsuiMenu::hookItems() {
    const auto measure = [this](QAction* item, QSize& size) {
        measureItem(item, size);
    };
    const auto draw = [this](QAction* item, QPainter& painter, const QRect& rect, bool selected) {
        drawItem(item, painter, rect, selected);
    };
    for (QAction* item : actions()) {
        SetMenuDrawHandlers(item, measure, draw);
        // Every drop-down list below this menu is drawn item by item.
        QList<QAction*> pending{item};
        while (!pending.isEmpty()) {
            QAction* next = pending.takeFirst();
            if (QMenu* sub = next->menu()) {
                sub->setStyle(MenuItemStyle::instance());
                pending += sub->actions();
            }
        }
    }
}

bool TsuiMenu::isSeparator(const QAction* item) {
    return item->isSeparator() || item->text() == QLatin1String("-");
}

void TsuiMenu::measureItem(QAction* item, QSize& size) const {
    const QFontMetrics metrics(itemFont());
    const QString caption = item->isSeparator() ? QStringLiteral("-") : item->text();
    size.setHeight(isSeparator(item) ? m_separatorHeight : m_itemHeight);
    size.setWidth(metrics.horizontalAdvance(caption) +
                  metrics.horizontalAdvance(shortcutText(item)) + m_barWidth + kMenuMeasurePadding);
}

void TsuiMenu::drawItem(QAction* item, QPainter& painter, const QRect& r, bool selected) const {
    const bool mac = UIStyle() == TsuiUIStyle::MacOS;
    const auto fillBarAndBackground = [&] {
        if (m_barWidth > 0)
            FillRectColor(painter, QRect(r.x(), r.y(), m_barWidth, r.height()), m_barColor);
        FillRectColor(painter, QRect(r.x() + m_barWidth, r.y(), r.width() - m_barWidth, r.height()),
                      m_color);
    };
    if (isSeparator(item)) {
        if (mac) {
            DrawMacMenuBarShort(painter, r);
        } else {
            fillBarAndBackground();
            DrawMenuSeparator(painter, r, m_separatorColor, m_barWidth);
        }
        return;
    }

    const bool enabled = item->isEnabled();
    if (selected && enabled) {
        if (mac) {
            DrawMacMenuSelection(painter, r);
        } else {
            FillRectColor(painter, r, m_selectedColor);
            FrameRectColor(painter, r, m_selectedBorderColor);
        }
    } else if (mac) {
        DrawMacMenuBarTall(painter, r);
    } else {
        fillBarAndBackground();
    }

    QFont font = itemFont();
    const QMenu* owner = qobject_cast<QMenu*>(item->parent());
    if (owner && owner->defaultAction() == item)
        font.setBold(true);
    painter.setFont(font);
    painter.setBrush(Qt::NoBrush);
    QColor text = m_fontColor.toQColor();
    if (!enabled)
        text = kDisabledText.toQColor();
    else if (selected)
        text = m_selectedFontColor.toQColor();
    painter.setPen(text);

    const QRect captionRect(QPoint(r.x() + m_barWidth + kMenuTextIndent, r.y() + kMenuTextTop),
                            QPoint(r.right(), r.bottom()));
    painter.drawText(captionRect,
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     item->text());
    const QString shortcut = shortcutText(item);
    if (!shortcut.isEmpty()) {
        const QFontMetrics metrics(font);
        const int x =
            r.x() + r.width() - metrics.horizontalAdvance(shortcut) - kMenuShortcutRightGap;
        painter.drawText(QPoint(x, r.y() + kMenuTextTop + metrics.ascent()), shortcut);
    }

    const QPoint imageAt = r.topLeft() + kMenuImageOffset;
    const bool hasImage = !item->icon().isNull();
    if (item->isChecked()) {
        if (hasImage) {
            FrameRectColor(painter, QRect(r.x() + 2, r.y() + 1, 19, 19), TColor(0));
            FillRectColor(painter, QRect(r.x() + 3, r.y() + 2, 17, 17), m_selectedColor);
        } else {
            const QImage mark = checkMark();
            painter.drawPixmap(imageAt,
                               itemPixmap(QIcon(QPixmap::fromImage(mark)), mark.size(), enabled));
        }
    }
    if (hasImage) {
        const QSize size = item->icon().actualSize(QSize(16, 16));
        painter.drawPixmap(imageAt, itemPixmap(item->icon(), size, enabled));
    }
}

void TsuiMenu::drawFrame(QPainter& painter, const QRect& window) const {
    if (m_flatMenu) {
        DrawPopupMenuFrame(painter, window, TColor(0),
                           styleReader().color(ThemeElement::FormBackgroundColor));
        return;
    }
    // The raised edge a drop-down list has by default.
    const QRect outer = window.adjusted(0, 0, -1, -1);
    painter.setPen(QColor(0xD4, 0xD0, 0xC8));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.setPen(Qt::white);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}
