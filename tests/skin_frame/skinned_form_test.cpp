#include "platform/fonts.h"
#include "platform/message_box_recorder.h"
#include "skin/controls/menu_main.h"
#include "skin/controls/menu_popup.h"
#include "skin/frame/form_menu_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/title_bar_popup_menu.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/file_theme.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace skin::frame;
using namespace skin::themes;

namespace {

const QColor kBorder(0x00, 0x2C, 0xC8);
const QColor kPanel(0xEF, 0xEB, 0xDE);

QImage buttonFrame(int frame) {
    QImage picture;
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::TitleBarButtonImage, &picture, frame, 18);
    return picture.convertToFormat(QImage::Format_RGB32);
}

// A plain window skinned the way the program skins its windows.
struct SkinnedWindow {
    explicit SkinnedWindow(QSize size = {486, 400},
                           QList<TsuiTitleBarBtnType> buttons = {TsuiTitleBarBtnType::suiClose,
                                                                 TsuiTitleBarBtnType::suiMin}) {
        window.setWindowTitle("Записная книжка v 2.1b");
        window.resize(size);
        form = skinWindow(&window, buttons);
    }
    QWidget window;
    TsuiForm* form = nullptr;
    TsuiTitleBar* bar() const { return form->TitleBar(); }
};

// The pointer at at in widget, which is at global on the screen (fixed before the window
// starts moving under it).
void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, const QPoint& global,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), QPointF(global),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(skinnedForm, ASecondSkinnedFormOnOneWindowIsRefused) {
    QWidget window;
    auto* first = new TsuiForm(&window);
    try {
        new TsuiForm(&window);
        FAIL() << "a second skinned form was created";
    } catch (const SkinError& error) {
        EXPECT_STREQ(error.what(),
                     "Sorry, You can create only one TsuiForm component in one form!");
    }
    EXPECT_EQ(window.findChildren<TsuiForm*>().size(), 1);
    EXPECT_EQ(window.findChild<TsuiForm*>(), first);
}

TEST(skinnedForm, TakesTheFrameAndLaysThePanelOutInsideTheBorder) {
    SkinnedWindow w;
    EXPECT_TRUE(w.window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.form->objectName(), "suiForm1");
    EXPECT_EQ(w.form->geometry(), QRect(3, 0, 480, 397));
    EXPECT_EQ(w.bar()->geometry(), QRect(0, 0, 480, 29));
    EXPECT_EQ(w.form->Caption(), "Записная книжка v 2.1b");
    EXPECT_EQ(w.form->Version(), "4.40");
    w.form->setVersion("5.0");
    EXPECT_EQ(w.form->Version(), "4.40");
    EXPECT_EQ(w.window.minimumWidth(), 150);

    w.form->setTitleBarVisible(false);
    EXPECT_EQ(w.form->geometry(), QRect(3, 3, 480, 394));
    w.form->setTitleBarVisible(true);
    w.window.show();
    w.window.resize(600, 300);
    EXPECT_EQ(w.form->geometry(), QRect(3, 0, 594, 297));
    EXPECT_EQ(w.bar()->width(), 594);
}

TEST(skinnedForm, WinXPStyleValuesAndTheSizeProperties) {
    SkinnedWindow w;
    EXPECT_EQ(w.form->BorderColor(), TColor(13118464));
    EXPECT_EQ(w.form->BorderWidth(), 3);
    EXPECT_EQ(w.form->Color(), TColor(14609391));
    EXPECT_EQ(w.form->RoundCorner(), 13);
    EXPECT_EQ(w.bar()->height(), 29);
    w.form->setWidth(300);
    EXPECT_EQ(w.window.width(), 306);
    w.form->setHeight(200);
    EXPECT_EQ(w.window.height(), 200 + 3 + 1);
    w.form->setBorderWidth(5);
    EXPECT_EQ(w.window.width(), 300 + 10);
    EXPECT_EQ(w.form->geometry().topLeft(), QPoint(5, 0));
}

TEST(skinnedForm, FormPanelCannotBeTheSkinnedFormItself) {
    platform::MessageBoxRecorder boxes;
    SkinnedWindow w;
    auto* panel = new QWidget(w.form);
    w.form->setFormPanel(panel);
    w.form->setFormPanel(w.form);
    ASSERT_EQ(boxes.texts(platform::ShownBox::Error),
              QStringList{"Sorry, you can't select the Form assign to FormPanel property"});
    EXPECT_EQ(w.form->FormPanel(), panel);
    EXPECT_EQ(panel->geometry(), QRect(0, 29, 480, 397 - 29));
}

TEST(skinnedForm, ResizeZonesOnlyForSizeableWindows) {
    SkinnedWindow w;
    const int cw = w.window.width(), ch = w.window.height();
    EXPECT_EQ(w.form->hitTest({2, 2}), HitZone::TopLeft);
    EXPECT_EQ(w.form->hitTest({cw - 3, ch - 3}), HitZone::BottomRight);
    EXPECT_EQ(w.form->hitTest({100, 100}), HitZone::Default);

    QWidget dialog;
    dialog.resize(300, 200);
    TsuiForm fixed(&dialog, FormBorderStyle::Dialog);
    EXPECT_EQ(fixed.hitTest({2, 2}), HitZone::Default);
    EXPECT_EQ(fixed.hitTest({297, 197}), HitZone::Default);
}

TEST(skinnedForm, DraggingAnEdgeResizesTheWindowWhereTheSystemCannot) {
    SkinnedWindow w;
    w.window.move(100, 100);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    // The bottom-right zone reaches onto the panel; a press there starts the resize.
    const QPoint corner(w.window.width() - 4, w.window.height() - 4);
    const QPoint onPanel = corner - w.form->pos();
    const QPoint global = w.form->mapToGlobal(onPanel);
    sendMouse(w.form, QEvent::MouseButtonPress, onPanel, global);
    sendMouse(w.form, QEvent::MouseMove, onPanel + QPoint(30, 20), global + QPoint(30, 20),
              Qt::NoButton);
    sendMouse(w.form, QEvent::MouseButtonRelease, onPanel + QPoint(30, 20),
              global + QPoint(30, 20));
    EXPECT_EQ(w.window.size(), QSize(486 + 30, 400 + 20));
    EXPECT_EQ(w.window.pos(), QPoint(100, 100));
}

TEST(skinnedForm, PressingTheBarOutsideTheButtonsMovesTheWindow) {
    SkinnedWindow w;
    w.window.move(100, 100);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    const QPoint global = w.bar()->mapToGlobal(QPoint(200, 15));
    sendMouse(w.bar(), QEvent::MouseButtonPress, {200, 15}, global);
    sendMouse(w.bar(), QEvent::MouseMove, {240, 5}, global + QPoint(40, -10), Qt::NoButton);
    sendMouse(w.bar(), QEvent::MouseButtonRelease, {240, 5}, global + QPoint(40, -10));
    EXPECT_EQ(w.window.pos(), QPoint(140, 90));
    EXPECT_EQ(w.window.size(), QSize(486, 400));
}

TEST(skinnedForm, CloseAndMinimiseButtonsActOnTheWindow) {
    SkinnedWindow w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    const ButtonLayout layout = w.bar()->Layout();
    const auto at = [&](const QPoint& p) {
        return w.bar()->mapToGlobal(p);
    };
    const QPoint close = layout.rects[0].center(), minimise = layout.rects[1].center();
    // Pressing a button and releasing outside it neither acts nor moves the window.
    const QPoint before = w.window.pos();
    sendMouse(w.bar(), QEvent::MouseButtonPress, close, at(close));
    sendMouse(w.bar(), QEvent::MouseButtonRelease, {200, 15}, at({200, 15}));
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.window.pos(), before);

    sendMouse(w.bar(), QEvent::MouseButtonPress, minimise, at(minimise));
    sendMouse(w.bar(), QEvent::MouseButtonRelease, minimise, at(minimise));
    EXPECT_TRUE(w.window.isMinimized());
    w.window.showNormal();

    sendMouse(w.bar(), QEvent::MouseButtonPress, close, at(close));
    sendMouse(w.bar(), QEvent::MouseButtonRelease, close, at(close));
    EXPECT_FALSE(w.window.isVisible());
}

TEST(skinnedForm, DoubleClickMaximisesOnlyWithAMaximiseButton) {
    SkinnedWindow w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    QTest::mouseDClick(w.bar(), Qt::LeftButton, Qt::NoModifier, {200, 15});
    EXPECT_FALSE(w.window.isMaximized());

    SkinnedWindow sizeable({486, 400},
                           {TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMax});
    sizeable.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&sizeable.window));
    QTest::mouseDClick(sizeable.bar(), Qt::LeftButton, Qt::NoModifier, {200, 15});
    EXPECT_TRUE(sizeable.window.isMaximized());
    // Maximised on the work area, with the restore glyph on the button.
    const QRect work = sizeable.window.screen()->availableGeometry();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sizeable.window.geometry() == work; }));
    EXPECT_EQ(sizeable.bar()->Buttons()[1].PicNormal.convertToFormat(QImage::Format_RGB32),
              buttonFrame(10));
    EXPECT_EQ(sizeable.form->hitTest({2, 2}), HitZone::Default);
}

TEST(skinnedForm, WindowMenuItemsFollowTheButtons) {
    SkinnedWindow w;
    TsuiTitleBarPopupMenu* menu = w.bar()->PopupMenu();
    menu->updateItems();
    EXPECT_EQ(menu->actions().size(), 4);
    EXPECT_EQ(menu->minimizeItem()->text(), "Mi&nimize");
    EXPECT_EQ(menu->maximizeItem()->text(), "Ma&ximize/Restore");
    EXPECT_TRUE(menu->actions()[2]->isSeparator());
    EXPECT_EQ(menu->closeItem()->text(), "&Close");
    EXPECT_TRUE(menu->minimizeItem()->isEnabled());
    EXPECT_FALSE(menu->maximizeItem()->isEnabled());
    EXPECT_TRUE(menu->closeItem()->isEnabled());
    w.window.show();
    menu->closeItem()->trigger();
    EXPECT_FALSE(w.window.isVisible());
}

TEST(skinnedForm, AltSpaceOpensTheWindowMenu) {
    SkinnedWindow w;
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    QTest::keyClick(&w.window, Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(w.bar()->PopupMenu()->isVisible());
    w.bar()->PopupMenu()->close();
}

TEST(skinnedForm, MenuShortcutsRunTheirItemAndAreNotPassedOn) {
    SkinnedWindow w;
    auto* menu = new TsuiMainMenu(&w.window);
    QMenu* file = menu->addMenu("Файл");
    QAction* save = file->addAction("Сохранить");
    save->setShortcut(QKeySequence("Ctrl+S"));
    menu->Loaded();
    QSignalSpy triggered(save, &QAction::triggered);
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
    QTest::keyClick(&w.window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(triggered.count(), 1);
    QTest::keyClick(&w.window, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(triggered.count(), 1);
}

TEST(skinnedForm, TheMainMenuAttachesToTheFormAndFillsTheMenuBar) {
    SkinnedWindow w;
    auto* menu = new TsuiMainMenu(&w.window);
    EXPECT_EQ(w.form->Menu(), menu);
    EXPECT_EQ(menu->skinnedForm(), w.form);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::WinXP);
    QMenu* file = menu->addMenu("Файл");
    file->addAction("Выход");
    QMenu* help = menu->addMenu("Справка");
    help->menuAction()->setEnabled(false);
    menu->Loaded();
    FormMenuBar* bar = w.form->MenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 29, 480, 22));
    ASSERT_EQ(bar->Buttons().size(), 2);
    EXPECT_EQ(bar->Buttons()[0]->text(), "Файл");
    EXPECT_EQ(bar->Buttons()[0]->dropDown(), file);
    EXPECT_FALSE(bar->Buttons()[1]->isEnabled());
    EXPECT_EQ(bar->Buttons()[1]->x(), bar->Buttons()[0]->width());
    // Caption changes of an item reach its button.
    file->menuAction()->setText("Файлы");
    EXPECT_EQ(bar->Buttons()[0]->text(), "Файлы");
    // Removing the menu takes the menu bar away.
    delete menu;
    EXPECT_EQ(w.form->Menu(), nullptr);
    EXPECT_EQ(w.form->MenuBar(), nullptr);
}

TEST(TitleBar, OnlyOneControlBoxAndOneClientSection) {
    platform::MessageBoxRecorder boxes;
    SkinnedWindow w;
    TsuiTitleBar* bar = w.bar();
    const int box = bar->addButton(TsuiTitleBarBtnType::suiControlBox);
    EXPECT_EQ(bar->Buttons()[box].ButtonType, TsuiTitleBarBtnType::suiControlBox);
    EXPECT_FALSE(bar->setButtonType(0, TsuiTitleBarBtnType::suiControlBox));
    EXPECT_EQ(bar->Buttons()[0].ButtonType, TsuiTitleBarBtnType::suiClose);
    EXPECT_FALSE(bar->setSectionAlign(0, TsuiTitleBarAlign::suiClient));
    EXPECT_EQ(bar->Sections()[0].Align, TsuiTitleBarAlign::suiLeft);
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error),
              (QStringList{"Sorry, only one button's ButtonType property can be \"suiControlBox\"",
                           "Sorry, only one section's Align property can be \"suiClient\""}));
}

TEST(TitleBar, CustomBarsKeepTheirSectionsThroughStyleChanges) {
    SkinnedWindow w;
    TsuiTitleBar* bar = w.bar();
    bar->setCustom(true);
    QImage mine(40, 18, QImage::Format_RGB32);
    mine.fill(Qt::red);
    bar->setSections({TsuiTitleBarSection{true, 10, TsuiTitleBarAlign::suiLeft, mine, false}});
    bar->setUIStyle(TsuiUIStyle::MacOS);
    ASSERT_EQ(bar->Sections().size(), 1);
    EXPECT_EQ(bar->Sections()[0].Width, 40);
    EXPECT_EQ(bar->Sections()[0].Picture, mine);
    EXPECT_EQ(bar->height(), 18);
}

TEST(TitleBar, LongCaptionsAreShortenedWithDots) {
    SkinnedWindow w({200, 100});
    w.form->setCaption("Очень длинный заголовок окна, который не помещается");
    const QString shown = w.bar()->shownCaption();
    EXPECT_TRUE(shown.endsWith("..."));
    EXPECT_LT(shown.size(), w.form->Caption().size());
    const ButtonLayout layout = w.bar()->Layout();
    EXPECT_LE(QFontMetrics(w.bar()->font()).horizontalAdvance(shown),
              layout.captionRight - layout.captionLeft);
}

TEST(TitleBar, CaptionTurnsGreyWhenTheWindowIsInactive) {
    SkinnedWindow w;
    w.form->setCaption("WWWWWWWW");
    const auto whitePixels = [&] {
        const QImage shot = w.bar()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 5; y < 26; ++y)
            for (int x = 2; x < 120; ++x)
                count += shot.pixel(x, y) == qRgb(255, 255, 255);
        return count;
    };
    EXPECT_GT(whitePixels(), 20);
    w.bar()->setFormActive(false);
    EXPECT_EQ(whitePixels(), 0);
}

TEST(TitleBar, WinXPBar480WideOnARealWindow) {
    SkinnedWindow w; // 486 wide: the panel and its bar are 480
    ASSERT_EQ(w.bar()->width(), 480);
    const ButtonLayout layout = w.bar()->Layout();
    EXPECT_EQ(layout.rects[0], QRect(457, 5, 21, 21));
    EXPECT_EQ(layout.rects[1], QRect(435, 5, 21, 21));
    EXPECT_EQ(layout.captionLeft, 2);
    EXPECT_EQ(layout.captionRight - layout.captionLeft, 433);
    EXPECT_EQ(w.bar()->shownCaption(), "Записная книжка v 2.1b");
}

TEST(skinnedForm, StylePassesToChildrenOnlyWhenAsked) {
    SkinnedWindow w;
    auto* child = new TsuiPopupMenu(w.form);
    child->setUIStyle(TsuiUIStyle::WinXP);
    w.form->setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(child->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(w.bar()->UIStyle(), TsuiUIStyle::MacOS);
    w.form->setUIStyleAutoUpdateSub(true);
    w.form->setUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(child->UIStyle(), TsuiUIStyle::Protein);
}

TEST(skinnedForm, ARemovedFileThemeFallsBackToDeepBlue) {
    SkinnedWindow w;
    auto* menu = new TsuiMainMenu(&w.window);
    auto* theme = new TsuiFileTheme(&w.window);
    w.form->setFileTheme(theme);
    EXPECT_EQ(w.form->FileTheme(), theme);
    EXPECT_EQ(menu->FileTheme(), theme);
    delete theme;
    EXPECT_EQ(w.form->FileTheme(), nullptr);
    EXPECT_EQ(w.form->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.bar()->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.form->BorderColor(),
              GetStyleColor(TsuiUIStyle::DeepBlue, ThemeElement::FormBorderColor));
}

TEST(skinnedForm, MenuBarFollowsTheMenusFont) {
    SkinnedWindow w;
    auto* menu = new TsuiMainMenu(&w.window);
    menu->addMenu("Файл");
    menu->Loaded();
    menu->setFontName("Tahoma");
    menu->setFontSize(12);
    menu->setUseSystemFont(false);
    EXPECT_EQ(w.form->MenuBar()->Look().font.pixelSize(), 16);
    EXPECT_EQ(w.form->MenuBar()->Look().font.family(), "Tahoma");
    menu->setUseSystemFont(true);
    EXPECT_EQ(w.form->MenuBar()->Look().font, platform::menuFont());
}

// A file theme that goes away leaves the frame, its title bar and its menu in DeepBlue
// without a reference to it; a frame that goes first stops watching the theme.
TEST(skinnedForm, ARemovedFileThemeLeavesTheWholeFrameInDeepBlue) {
    SkinnedWindow w;
    auto* menu = new TsuiMainMenu(&w.window);
    w.form->setMenu(menu);
    auto* theme = new TsuiFileTheme(&w.window);
    w.form->setFileTheme(theme);
    w.form->setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(w.bar()->FileTheme(), theme);
    EXPECT_EQ(menu->FileTheme(), theme);

    delete theme;
    EXPECT_EQ(w.form->FileTheme(), nullptr);
    EXPECT_EQ(w.bar()->FileTheme(), nullptr);
    EXPECT_EQ(menu->FileTheme(), nullptr);
    EXPECT_EQ(w.form->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(w.bar()->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::DeepBlue);

    auto* later = new TsuiFileTheme(&w.window);
    w.form->setFileTheme(later);
    delete w.form;
    delete menu;
    delete later; // nothing left to tell
}
