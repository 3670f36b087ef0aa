#include "skin/controls/toolbar.h"
#include "skin_pixels.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

using namespace skin_pixels;

namespace {

QIcon solidIcon(QRgb colour) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return QIcon(QPixmap::fromImage(image));
}

void hover(QWidget& widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &enter);
}

struct WinXPToolBar : ::testing::Test {
    void SetUp() override {
        bar.resize(200, 22);
        bar.setUIStyle(TsuiUIStyle::WinXP);
        bar.setList(true);
        bar.setButtonWidth(25);
        button = bar.addButton("first", solidIcon(qRgb(0x12, 0x34, 0x56)), "First");
    }
    TsuiToolBar bar;
    TsuiToolButton* button = nullptr;
};

} // namespace

TEST_F(WinXPToolBar, HoverDrawsTheButtonColourWithABorderAndTheIconAtFiveThree) {
    EXPECT_EQ(bar.ButtonColor(), TColor::fromRgb(0xC6, 0xD3, 0xEF));
    EXPECT_EQ(bar.ButtonBorderColor(), TColor::fromRgb(0x31, 0x69, 0xC6));
    EXPECT_EQ(bar.ButtonDownColor(), TColor::fromRgb(0x93, 0xAC, 0xE1));
    hover(*button);
    const QImage image = shot(*button);
    ASSERT_EQ(image.size(), QSize(25, 22));
    EXPECT_EQ(rgb(image, 0, 0), hex(0x3169C6));
    EXPECT_EQ(rgb(image, 24, 21), hex(0x3169C6));
    EXPECT_EQ(rgb(image, 12, 21), hex(0x3169C6));
    EXPECT_EQ(rgb(image, 1, 1), hex(0xC6D3EF));
    EXPECT_EQ(rgb(image, 4, 3), hex(0xC6D3EF));
    EXPECT_EQ(rgb(image, 5, 2), hex(0xC6D3EF));
    EXPECT_EQ(rgb(image, 5, 3), hex(0x123456));
    EXPECT_EQ(rgb(image, 20, 18), hex(0x123456));
    EXPECT_EQ(rgb(image, 21, 19), hex(0xC6D3EF));
}

TEST_F(WinXPToolBar, PressingTurnsTheFillToTheDownColour) {
    hover(*button);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage image = shot(*button);
    EXPECT_EQ(rgb(image, 1, 1), hex(0x93ACE1));
    EXPECT_EQ(rgb(image, 0, 0), hex(0x3169C6));
    EXPECT_EQ(rgb(image, 5, 3), hex(0x123456));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(WinXPToolBar, APressedOrLatchedButtonWithoutTheMouseGetsTheHotLook) {
    button->setCheckable(true);
    button->setChecked(true);
    EXPECT_EQ(rgb(shot(*button), 1, 1), hex(0xC6D3EF));
}

TEST_F(WinXPToolBar, IdleAndDisabledButtonsAreFlatWithTheIconWhereHoverPutsIt) {
    const QImage idle = shot(*button);
    EXPECT_NE(rgb(idle, 1, 1), hex(0xC6D3EF));
    EXPECT_NE(rgb(idle, 0, 0), hex(0x3169C6));
    // The icon covers (5, 3)-(20, 18) as in the hot and down looks: nothing moves on hover.
    EXPECT_EQ(rgb(idle, 5, 3), hex(0x123456));
    EXPECT_EQ(rgb(idle, 20, 18), hex(0x123456));
    EXPECT_NE(rgb(idle, 4, 3), hex(0x123456));
    EXPECT_NE(rgb(idle, 21, 18), hex(0x123456));
    EXPECT_NE(rgb(idle, 5, 2), hex(0x123456));
    button->setEnabled(false);
    const QImage disabled = shot(*button);
    EXPECT_NE(idle, disabled);                           // the icon is greyed
    EXPECT_NE(rgb(disabled, 5, 3), rgb(disabled, 4, 3)); // in the same place
    EXPECT_EQ(rgb(disabled, 4, 3), rgb(idle, 4, 3));
    hover(*button);
    EXPECT_EQ(shot(*button), disabled);
}

TEST_F(WinXPToolBar, ButtonsAndSeparatorsFollowEachOther) {
    auto* second = bar.addButton("second", QIcon(), "Second");
    QWidget* gap = bar.addSeparator("gap", 8);
    auto* third = bar.addButton("third", QIcon(), "Third");
    EXPECT_EQ(button->geometry(), QRect(0, 0, 25, 22));
    EXPECT_EQ(second->x(), 25);
    EXPECT_EQ(gap->geometry(), QRect(50, 0, 8, 22));
    EXPECT_EQ(third->x(), 58);
    EXPECT_EQ(third->toolTip(), "Third");
    EXPECT_EQ(third->focusPolicy(), Qt::NoFocus);
}

TEST_F(WinXPToolBar, ADropDownButtonGetsItsArrowWhenHot) {
    auto* menuButton = bar.addButton("menu", QIcon(), "Menu");
    menuButton->setPopupMode(QToolButton::MenuButtonPopup);
    hover(*menuButton);
    const QImage image = shot(*menuButton);
    // m = 22 / 2 = 11; the arrow's tip row and the line 14 pixels from the right.
    EXPECT_EQ(rgb(image, 25 - 7, 11 + 2), hex(0x000000));
    EXPECT_EQ(rgb(image, 25 - 9, 11), hex(0x000000));
    EXPECT_EQ(rgb(image, 25 - 14, 5), hex(0x000000));
    EXPECT_EQ(rgb(image, 25 - 13, 5), hex(0xC6D3EF));
}

TEST(SkinnedToolBar, ProteinAndMacOSAreTransparent) {
    QWidget parent;
    parent.resize(300, 100);
    parent.setAutoFillBackground(true);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, QColor(0xFF, 0, 0));
    parent.setPalette(red);
    auto* bar = new TsuiToolBar(&parent);
    bar->setGeometry(10, 10, 200, 22);
    QPalette green = bar->palette();
    green.setColor(QPalette::Window, QColor(0, 0xFF, 0));
    bar->setPalette(green);

    bar->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_FALSE(bar->Transparent());
    EXPECT_EQ(rgb(shot(*bar), 100, 10), hex(0x00FF00));
    bar->setUIStyle(TsuiUIStyle::Protein);
    EXPECT_TRUE(bar->Transparent());
    EXPECT_EQ(rgb(shot(*bar), 100, 10), hex(0xFF0000));
    bar->setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(bar->Transparent());
    bar->setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_FALSE(bar->Transparent());
}
