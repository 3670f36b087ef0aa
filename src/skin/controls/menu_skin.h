#pragma once

#include "skin/themes/skin_binding.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/tcolor.h"

#include <QFont>
#include <QImage>
#include <QMenu>

class QAction;
class QPainter;

// What the skinned main menu and the skinned popup menus share: the look of their items
// (heights, the left bar, the selected box, separators, colours, font) and the measuring
// and drawing of each item. Drop-down lists of these menus are drawn through
// MenuItemStyle, which hands every item to the handlers installed on it.
class TsuiMenu : public QMenu, public SkinBinding {
    Q_OBJECT
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE setOwnerDraw)
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE setMenuItemHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE setSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE setBarWidth)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE setFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE setFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE setUseSystemFont)

public:
    ~TsuiMenu() override;

    bool OwnerDraw() const { return true; }
    void setOwnerDraw(bool) {}

    int MenuItemHeight() const { return m_itemHeight; }
    void setMenuItemHeight(int height);
    int SeparatorHeight() const { return m_separatorHeight; }
    void setSeparatorHeight(int height);
    int BarWidth() const { return m_barWidth; }
    void setBarWidth(int width) { m_barWidth = width; }

    TColor BarColor() const { return m_barColor; }
    void setBarColor(TColor c) { m_barColor = c; }
    TColor Color() const { return m_color; }
    void setColor(TColor c) { m_color = c; }
    TColor SeparatorColor() const { return m_separatorColor; }
    void setSeparatorColor(TColor c) { m_separatorColor = c; }
    TColor SelectedBorderColor() const { return m_selectedBorderColor; }
    void setSelectedBorderColor(TColor c) { m_selectedBorderColor = c; }
    TColor SelectedColor() const { return m_selectedColor; }
    void setSelectedColor(TColor c) { m_selectedColor = c; }
    TColor SelectedFontColor() const { return m_selectedFontColor; }
    void setSelectedFontColor(TColor c) { m_selectedFontColor = c; }
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor c) { m_fontColor = c; }
    // Kept with the menu; nothing draws with it.
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor c) { m_borderColor = c; }

    bool FlatMenu() const { return m_flatMenu; }
    void setFlatMenu(bool flat) { m_flatMenu = flat; }
    QString FontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    int FontSize() const { return m_fontSize; }
    void setFontSize(int points) { m_fontSize = points; }
    int FontCharset() const { return m_fontCharset; }
    void setFontCharset(int charset) { m_fontCharset = charset; }
    bool UseSystemFont() const { return m_useSystemFont; }
    virtual void setUseSystemFont(bool use) { m_useSystemFont = use; }

    // The font items are written in and its colour for enabled, unselected items.
    QFont itemFont() const;
    QColor itemFontColor() const;

    // Installs this menu's measuring and drawing on every item, and the item drawing on
    // every drop-down list below this menu.
    void hookItems();

    // The owner-drawn item's size and painting.
    void measureItem(QAction* item, QSize& size) const;
    void drawItem(QAction* item, QPainter& painter, const QRect& rect, bool selected) const;

    // The frame of one drop-down list of this menu, drawn on the list itself.
    void drawFrame(QPainter& painter, const QRect& window) const;

protected:
    explicit TsuiMenu(QWidget* owner);
    void UIStyleChanged() override;

    // The image list of the check mark: image 0 of the list is the mark.
    virtual QImage checkMark() const = 0;

private:
    static bool isSeparator(const QAction* item);

    int m_itemHeight = skin::themes::kMenuItemHeight;
    int m_separatorHeight = skin::themes::kMenuItemHeight;
    int m_barWidth = 0;
    TColor m_barColor, m_color, m_separatorColor, m_selectedBorderColor, m_selectedColor,
        m_selectedFontColor, m_fontColor, m_borderColor;
    bool m_flatMenu = false;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
    int m_fontCharset = 1;
    bool m_useSystemFont = true;
};

namespace skin::controls {

// The check-mark picture of the menus: MENU_CHECKED with its white made transparent.
QImage loadMenuCheckMark();

} // namespace skin::controls
