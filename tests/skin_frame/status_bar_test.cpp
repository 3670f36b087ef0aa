#include "app/main_window.h"
#include "platform/accessible_events.h"
#include "platform/message_box_recorder.h"
#include "skin/frame/status_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/skin_resources.h"
#include "skin_controls/skin_pixels.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

using namespace skin::frame;
using namespace skin::themes;

using namespace skin_pixels;

namespace {

// A window of 300 × 200 skinned with the given border and a status bar of height 19, which
// keeps to the bottom of the 294-pixel-wide panel whatever place it is first given.
struct SkinnedWindow {
    explicit SkinnedWindow(FormBorderStyle border = FormBorderStyle::Sizeable) {
        window.resize(300, 200);
        window.move(100, 80);
        form = skinWindow(&window, {TsuiTitleBarBtnType::suiClose}, border);
        bar = new TsuiStatusBar(form);
        bar->setGeometry(0, 150, 200, 19);
        bar->addPanel(150, "panel text");
    }
    QWidget window;
    TsuiForm* form = nullptr;
    TsuiStatusBar* bar = nullptr;
};

// The picture drawn one pixel in from the corner, keyed pixels showing the panel colour.
bool showsGrip(TsuiStatusBar& bar) {
    const QImage image = shot(bar);
    const QImage grip = loadSkinResource("STATUSBAR_HANDLE");
    const int left = bar.width() - 12, top = bar.height() - 12;
    bool anyDot = false;
    for (int y = 0; y < grip.height(); ++y)
        for (int x = 0; x < grip.width(); ++x) {
            const QRgb source = grip.pixel(x, y) & 0xFFFFFF;
            if (source == 0xFF00FF)
                continue;
            anyDot = true;
            if (rgb(image, left + x, top + y) != source)
                return false;
        }
    return anyDot;
}

} // namespace

TEST(SkinnedStatusBar, TakesItsColourFromTheStyleAndTheOwnerForm) {
    SkinnedWindow skinned;
    EXPECT_EQ(skinned.bar->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(skinned.bar->PanelColor(), TColor::fromHex(0xEFEBDE));
    EXPECT_EQ(skinned.bar->property("Color").value<TColor>(), TColor::fromHex(0xEFEBDE));
    skinned.bar->setUIStyle(TsuiUIStyle::FromThemeFile); // no theme: DeepBlue's colour
    TsuiStatusBar deepBlue;
    EXPECT_EQ(deepBlue.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(skinned.bar->PanelColor(), deepBlue.PanelColor());
    skinned.bar->setPanelColor(TColor(14609391));
    const QImage image = shot(*skinned.bar);
    EXPECT_EQ(rgb(image, 175, 1), TColor(14609391).toQColor().rgb() & 0xFFFFFF);
    EXPECT_EQ(skinned.bar->panelRect(0), QRect(0, 2, 150, 17));
}

TEST(SkinnedStatusBar, TheGripIsTheSevenBySevenCornerOfAnElevenPixelPicture) {
    SkinnedWindow skinned;
    EXPECT_TRUE(skinned.bar->gripRect().isEmpty()); // until first drawn
    EXPECT_TRUE(showsGrip(*skinned.bar));
    EXPECT_EQ(skinned.bar->gripRect(), QRect(294 - 7, 19 - 7, 7, 7));
}

TEST(SkinnedStatusBar, NoGripOnADialogBorderOrAMaximisedWindow) {
    SkinnedWindow dialog(FormBorderStyle::Dialog);
    EXPECT_FALSE(showsGrip(*dialog.bar));
    EXPECT_TRUE(dialog.bar->gripRect().isEmpty());

    SkinnedWindow skinned;
    skinned.window.show();
    skinned.window.showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return skinned.window.isMaximized(); }));
    EXPECT_FALSE(showsGrip(*skinned.bar));
    skinned.window.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !skinned.window.isMaximized(); }));
    EXPECT_TRUE(showsGrip(*skinned.bar));
}

TEST(SkinnedStatusBar, DraggingTheGripKeepsTheCornerFivePixelsBeyondThePointer) {
    SkinnedWindow skinned;
    skinned.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&skinned.window));
    TsuiStatusBar& bar = *skinned.bar;
    shot(bar); // draws the grip
    const QPoint onGrip = bar.gripRect().center();
    QTest::mouseMove(&bar, onGrip);
    EXPECT_EQ(bar.cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mousePress(&bar, Qt::LeftButton, {}, onGrip);
    const QPoint target = onGrip + QPoint(40, 30);
    // Where the pointer is on the screen, taken before the bar moves with the window.
    const QPoint screen = bar.mapToGlobal(target);
    QTest::mouseMove(&bar, target);
    EXPECT_EQ(skinned.window.geometry().right() + 1, screen.x() + 5);
    EXPECT_EQ(skinned.window.geometry().bottom() + 1, screen.y() + 5);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, target);

    // Away from the grip nothing resizes and the cursor is the ordinary one.
    const QSize size = skinned.window.size();
    QTest::mouseMove(&bar, QPoint(10, 10));
    EXPECT_EQ(bar.cursor().shape(), Qt::ArrowCursor);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&bar, QPoint(30, 12));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(30, 12));
    EXPECT_EQ(skinned.window.size(), size);
}

TEST(SkinnedStatusBar, TheMainWindowsBarCarriesThePhotoPanel) {
    TestFolder folder;
    platform::MessageBoxRecorder boxes;
    TForm1 form;
    TsuiStatusBar* bar = form.ui.suiStatusBar1;
    // Stored at (0, 377) in the 396-pixel panel, it keeps to the bottom of the 397 pixels
    // the panel gets inside the window's border.
    EXPECT_EQ(bar->geometry(), QRect(0, 378, 480, 19));
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(bar->PanelColor(), TColor(14609391));
    ASSERT_EQ(bar->panelCount(), 1);
    EXPECT_EQ(bar->panelRect(0).width(), 150);
    form.setPhotoPanelText("/srv/photos/ИВАНОВ.jpg");
    EXPECT_EQ(bar->panelText(0), "/srv/photos/ИВАНОВ.jpg");
    EXPECT_EQ(form.photoPanelText(), "/srv/photos/ИВАНОВ.jpg");
}

TEST(SkinnedStatusBar, AScreenReaderReadsThePanelTextsAndHearsOfEachChange) {
    QWidget window;
    auto* bar = new TsuiStatusBar(&window);
    bar->setGeometry(0, 0, 400, 19);
    bar->addPanel(150);
    bar->addPanel(100, QStringLiteral("второй"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar);
    EXPECT_EQ(iface->role(), QAccessible::StatusBar);
    // An empty panel says nothing.
    EXPECT_EQ(iface->text(QAccessible::Name), "второй");
    ASSERT_EQ(iface->childCount(), 2);
    EXPECT_EQ(iface->child(0)->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), "");
    EXPECT_EQ(iface->child(1)->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(iface->child(1)), 1);

    platform::AccessibleEventRecorder events;
    bar->setPanelText(0, QStringLiteral("/фото/Иванов.jpg"));
    EXPECT_EQ(iface->text(QAccessible::Name), "/фото/Иванов.jpg, второй");
    EXPECT_EQ(iface->text(QAccessible::Value), "/фото/Иванов.jpg, второй");
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), "/фото/Иванов.jpg");
    EXPECT_EQ(events.count(QAccessible::NameChanged, bar), 1);
    EXPECT_EQ(events.count(QAccessible::ValueChanged, bar), 1);
    // Setting the same text again is no change.
    bar->setPanelText(0, QStringLiteral("/фото/Иванов.jpg"));
    EXPECT_EQ(events.notes.size(), 2);
    // A point on a panel finds that panel.
    window.show();
    const QPoint onSecond = bar->mapToGlobal(bar->panelRect(1).center());
    EXPECT_EQ(iface->childAt(onSecond.x(), onSecond.y()), iface->child(1));
}
