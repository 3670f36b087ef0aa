#include "skin/controls/menu_main.h"
#include "skin/controls/menu_popup.h"
#include "skin/frame/sui_form.h"
#include "skin/themes/skin_resources.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPixmap>

using namespace skin::controls;

namespace {

const QRgb kBar = qRgb(0xD6, 0xD3, 0xCE);
const QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
const QRgb kSelected = qRgb(0xC6, 0xD3, 0xEF);
const QRgb kSelectedBorder = qRgb(0x31, 0x69, 0xC6);
const QRgb kSeparator = qRgb(0x84, 0x82, 0x84);
const QRgb kGrey = qRgb(0x80, 0x80, 0x80);
const QRect kItem(0, 0, 200, 21);

// A window with a WinXP skinned form and a main menu holding one drop-down list.
struct MenuWindow {
    MenuWindow() {
        window.resize(300, 200);
        form = new TsuiForm(&window);
        form->setUIStyle(TsuiUIStyle::WinXP);
        menu = new TsuiMainMenu(&window);
        list = menu->addMenu("Файл");
    }
    void hook() { menu->Loaded(); }
    QWidget window;
    TsuiForm* form = nullptr;
    TsuiMainMenu* menu = nullptr;
    QMenu* list = nullptr;
};

QImage drawItem(const TsuiMenu& menu, QAction* item, bool selected, QRect rect = kItem) {
    QImage image(rect.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    menu.drawItem(item, painter, rect, selected);
    return image;
}

int count(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

QImage icon16(QColor colour) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(SkinnedMenu, WinXPLookAfterCreation) {
    MenuWindow w;
    const TsuiMainMenu& m = *w.menu;
    EXPECT_TRUE(m.OwnerDraw());
    EXPECT_EQ(m.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(m.MenuItemHeight(), 21);
    EXPECT_EQ(m.SeparatorHeight(), 5);
    EXPECT_EQ(m.BarWidth(), 26);
    EXPECT_EQ(m.BarColor(), TColor::fromHex(0xD6D3CE));
    EXPECT_EQ(m.Color(), TColor::fromHex(0xFFFFFF));
    EXPECT_EQ(m.SeparatorColor(), TColor::fromHex(0x848284));
    EXPECT_EQ(m.SelectedBorderColor(), TColor::fromHex(0x3169C6));
    EXPECT_EQ(m.SelectedColor(), TColor::fromHex(0xC6D3EF));
    EXPECT_EQ(m.SelectedFontColor(), TColor(0));
    EXPECT_EQ(m.FontColor(), TColor(0));
    EXPECT_EQ(m.FontName(), "MS Sans Serif");
    EXPECT_EQ(m.FontSize(), 8);
    EXPECT_TRUE(m.UseSystemFont());
}

TEST(SkinnedMenu, MacOSKeepsItsHeightsAndOtherStylesRestoreThem) {
    MenuWindow w;
    w.menu->setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(w.menu->MenuItemHeight(), 20);
    EXPECT_EQ(w.menu->SeparatorHeight(), 12);
    EXPECT_EQ(w.menu->SeparatorColor(), TColor(0));
    w.menu->setMenuItemHeight(30);
    w.menu->setSeparatorHeight(9);
    EXPECT_EQ(w.menu->MenuItemHeight(), 20);
    EXPECT_EQ(w.menu->SeparatorHeight(), 12);
    w.menu->setUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(w.menu->MenuItemHeight(), 21);
    EXPECT_EQ(w.menu->SeparatorHeight(), 5);
    w.menu->setMenuItemHeight(30);
    EXPECT_EQ(w.menu->MenuItemHeight(), 30);
}

TEST(SkinnedMenu, FromThemeFileWithoutAThemeTakesDeepBlue) {
    MenuWindow w;
    TsuiPopupMenu deepBlue(nullptr);
    deepBlue.setUIStyle(TsuiUIStyle::DeepBlue);
    w.menu->setUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(w.menu->BarColor(), deepBlue.BarColor());
    EXPECT_EQ(w.menu->SelectedColor(), deepBlue.SelectedColor());
    EXPECT_FALSE(w.menu->SelectedColor() == TColor::fromHex(0xC6D3EF));
}

TEST(SkinnedMenu, MeasuresCaptionPlusBarPlus40AndTheItemHeights) {
    MenuWindow w;
    QAction* load = w.list->addAction("Загрузить резервную копию");
    QAction* separator = w.list->addSeparator();
    QAction* dash = w.list->addAction("-");
    QAction* dashes = w.list->addAction("--");
    QAction* spaced = w.list->addAction(" -");
    const QFontMetrics metrics(w.menu->itemFont());
    QSize size;
    w.menu->measureItem(load, size);
    EXPECT_EQ(size, QSize(metrics.horizontalAdvance("Загрузить резервную копию") + 26 + 40, 21));
    w.menu->measureItem(separator, size);
    EXPECT_EQ(size.height(), 5);
    w.menu->measureItem(dash, size);
    EXPECT_EQ(size.height(), 5);
    w.menu->measureItem(dashes, size);
    EXPECT_EQ(size.height(), 21);
    w.menu->measureItem(spaced, size);
    EXPECT_EQ(size.height(), 21);
    load->setShortcut(QKeySequence("Ctrl+L"));
    w.menu->measureItem(load, size);
    EXPECT_EQ(size.width(),
              metrics.horizontalAdvance("Загрузить резервную копию") +
                  metrics.horizontalAdvance(load->shortcut().toString(QKeySequence::NativeText)) +
                  26 + 40);
}

TEST(SkinnedMenu, DropDownListsAreMeasuredAndDrawnByTheMenu) {
    MenuWindow w;
    QAction* load = w.list->addAction("Загрузить резервную копию");
    QAction* separator = w.list->addSeparator();
    w.list->addAction("Выход");
    w.hook();
    w.list->adjustSize();
    const QRect item = w.list->actionGeometry(load);
    EXPECT_EQ(item.height(), 21);
    EXPECT_EQ(w.list->actionGeometry(separator).height(), 5);
    const QFontMetrics metrics(w.menu->itemFont());
    EXPECT_GE(item.width(), metrics.horizontalAdvance("Загрузить резервную копию") + 66);
    const QImage shot = w.list->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The left bar and the white background right of it.
    EXPECT_EQ(shot.pixel(item.x() + 2, item.y() + 2), kBar);
    EXPECT_EQ(shot.pixel(item.x() + 25, item.bottom()), kBar);
    EXPECT_EQ(shot.pixel(item.x() + 26, item.bottom()), kWhite);
    EXPECT_EQ(shot.pixel(item.right() - 1, item.y() + 1), kWhite);
    // The separator line two pixels below its top, from bar + 4 to right - 2.
    const QRect sep = w.list->actionGeometry(separator);
    EXPECT_EQ(shot.pixel(sep.x() + 30, sep.y() + 2), kSeparator);
    EXPECT_EQ(shot.pixel(sep.x() + 29, sep.y() + 2), kWhite);
    EXPECT_EQ(shot.pixel(sep.x() + 30, sep.y() + 1), kWhite);
}

TEST(SkinnedMenu, SelectedItemIsBoxedAndFramed) {
    MenuWindow w;
    QAction* item = w.list->addAction("Выход");
    const QImage image = drawItem(*w.menu, item, true);
    EXPECT_EQ(image.pixel(0, 0), kSelectedBorder);
    EXPECT_EQ(image.pixel(199, 20), kSelectedBorder);
    EXPECT_EQ(image.pixel(1, 1), kSelected);
    EXPECT_EQ(image.pixel(150, 19), kSelected);
}

TEST(SkinnedMenu, DisabledItemIsGreyAndNeverHighlighted) {
    MenuWindow w;
    QAction* item = w.list->addAction("Очистить базу");
    item->setEnabled(false);
    const QImage image = drawItem(*w.menu, item, true);
    EXPECT_EQ(count(image, kItem, kSelected), 0);
    EXPECT_EQ(count(image, kItem, kSelectedBorder), 0);
    EXPECT_EQ(image.pixel(0, 0), kBar);
    EXPECT_EQ(image.pixel(199, 0), kWhite);
    const QRect text(30, 4, 160, 16);
    EXPECT_GT(count(image, text, kGrey), 5);
    EXPECT_EQ(count(image, text, qRgb(0, 0, 0)), 0);
    // The same item enabled writes black text.
    item->setEnabled(true);
    EXPECT_GT(count(drawItem(*w.menu, item, false), text, qRgb(0, 0, 0)), 5);
}

TEST(SkinnedMenu, TickedItemWithoutImageShowsTheCheckMark) {
    MenuWindow w;
    QAction* item = w.list->addAction("Отмечено");
    item->setCheckable(true);
    item->setChecked(true);
    const QImage image = drawItem(*w.menu, item, false);
    QImage expected(16, 16, QImage::Format_RGB32);
    expected.fill(kBar);
    {
        QPainter painter(&expected);
        painter.drawImage(0, 0, loadMenuCheckMark());
    }
    EXPECT_EQ(image.copy(4, 3, 16, 16), expected);
    EXPECT_LT(count(image, QRect(4, 3, 16, 16), kBar), 16 * 16); // something was drawn
}

TEST(SkinnedMenu, TickedItemWithImageSitsOnASelectedBox) {
    MenuWindow w;
    QAction* item = w.list->addAction(QIcon(QPixmap::fromImage(icon16(Qt::red))), "С картинкой");
    item->setCheckable(true);
    item->setChecked(true);
    const QImage image = drawItem(*w.menu, item, false);
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 0, 0));   // frame
    EXPECT_EQ(image.pixel(20, 19), qRgb(0, 0, 0)); // frame, far corner
    EXPECT_EQ(image.pixel(3, 2), kSelected);       // box around the image
    EXPECT_EQ(image.pixel(3, 18), kSelected);
    EXPECT_EQ(image.pixel(19, 2), kSelected);
    EXPECT_EQ(image.pixel(4, 3), qRgb(255, 0, 0)); // the image itself
    EXPECT_EQ(image.pixel(1, 1), kBar);
    // Unticked, the image is drawn on the bar without the box.
    item->setChecked(false);
    const QImage plain = drawItem(*w.menu, item, false);
    EXPECT_EQ(plain.pixel(2, 1), kBar);
    EXPECT_EQ(plain.pixel(4, 3), qRgb(255, 0, 0));
}

TEST(SkinnedMenu, TheWindowMenuStyleComesFromItsOwnPopup) {
    TsuiPopupMenu popup(nullptr);
    EXPECT_EQ(popup.UIStyle(), TsuiUIStyle::DeepBlue);
    popup.setUIStyle(TsuiUIStyle::WinXP);
    QAction* item = popup.addAction("&Close");
    popup.Popup(QPoint(10, 10));
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.actionGeometry(item).height(), 21);
    popup.close();
}
