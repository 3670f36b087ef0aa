#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/skin_resources.h"
#include "skin_pixels.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QPainter>
#include <QTest>

using namespace skin::paint;
using namespace skin::themes;

using namespace skin_pixels;

namespace {

// The arrow's origin in a drop-down button, as the combo box places it.
QPoint arrowOrigin(const QRect& button) {
    const int right = button.x() + button.width(), bottom = button.y() + button.height();
    return {button.x() + (right - button.x()) / 2 - 3, (bottom - button.y()) / 2};
}

} // namespace

TEST(SkinnedEdit, WinXPDrawsTheBorderLineOutsideALineOfTheEditsColour) {
    TsuiEdit edit;
    edit.setUIStyle(TsuiUIStyle::WinXP);
    edit.resize(100, 19);
    EXPECT_EQ(edit.BorderColor(), TColor::fromRgb(0x68, 0x68, 0x68));
    QImage image = shot(edit);
    const QRgb inner = edit.Color().toQColor().rgb() & 0xFFFFFF;
    for (QPoint p : {QPoint(0, 0), QPoint(50, 0), QPoint(99, 10), QPoint(40, 18), QPoint(0, 9)})
        EXPECT_EQ(rgb(image, p.x(), p.y()), hex(0x686868)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(50, 1), QPoint(98, 10), QPoint(40, 17), QPoint(1, 9)})
        EXPECT_EQ(rgb(image, p.x(), p.y()), inner) << p.x() << "," << p.y();

    edit.setColor(TColor::fromHex(0xFFFFC0));
    image = shot(edit);
    EXPECT_EQ(rgb(image, 1, 1), hex(0xFFFFC0));
    EXPECT_EQ(rgb(image, 50, 17), hex(0xFFFFC0));
    EXPECT_EQ(rgb(image, 0, 0), hex(0x686868));

    // Disabled or read-only, the colours stay.
    edit.setEnabled(false);
    image = shot(edit);
    EXPECT_EQ(rgb(image, 0, 0), hex(0x686868));
    EXPECT_EQ(rgb(image, 1, 1), hex(0xFFFFC0));
}

TEST(SkinnedEdit, TheStyleSetsTheBorderColour) {
    TsuiEdit edit;
    EXPECT_EQ(edit.UIStyle(), TsuiUIStyle::DeepBlue); // no skinned form around it
    EXPECT_EQ(edit.BorderColor(), TColor::fromRgb(0, 0, 0));
    edit.setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(edit.BorderColor(), TColor::fromRgb(0x7F, 0x7F, 0x7F));
    edit.setUIStyle(TsuiUIStyle::FromThemeFile); // no usable theme: DeepBlue's colours
    EXPECT_EQ(edit.BorderColor(), TColor::fromRgb(0, 0, 0));
}

TEST(SkinnedComboBox, WinXPShowsTheButtonPictureWithoutAnArrow) {
    TsuiComboBox combo;
    combo.resize(200, 21);
    combo.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(combo.BorderColor(), TColor::fromRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(combo.ButtonColor(), TColor::fromRgb(0xEF, 0xEB, 0xDE));
    EXPECT_EQ(combo.ArrowColor(), TColor::fromRgb(0, 0, 0));
    const QImage image = shot(combo);
    const QRect button = combo.buttonRect();
    ASSERT_FALSE(button.isEmpty());

    QImage expected(button.size(), QImage::Format_RGB32);
    QPainter painter(&expected);
    const QImage picture = loadSkinResource("WINXP_COMBOBOX_BUTTON");
    ASSERT_EQ(picture.size(), QSize(16, 18));
    stretchBlit(painter, expected.rect(), picture, picture.rect(), false);
    painter.end();
    EXPECT_EQ(image.copy(button), expected);
    EXPECT_EQ(rgb(image, 0, 0), hex(0x686868));
    EXPECT_EQ(rgb(image, 199, 20), hex(0x686868));
    EXPECT_EQ(rgb(image, 1, 1), combo.palette().color(QPalette::Base).rgb() & 0xFFFFFF);
}

TEST(SkinnedComboBox, DeepBlueDrawsAFilledButtonWithAnOutlineAndABlackArrow) {
    TsuiComboBox combo;
    combo.resize(200, 21);
    combo.setUIStyle(TsuiUIStyle::DeepBlue);
    combo.setButtonColor(TColor::fromRgb(0xEF, 0xEB, 0xDE));
    combo.setBorderColor(TColor::fromRgb(0x68, 0x68, 0x68));
    const QImage image = shot(combo);
    const QRect button = combo.buttonRect();
    const QPoint arrow = arrowOrigin(button);
    EXPECT_EQ(rgb(image, button.right() - 1, button.top() + 1), hex(0xEFEBDE));
    EXPECT_EQ(rgb(image, button.left(), button.center().y()), hex(0x686868));
    EXPECT_EQ(rgb(image, arrow.x() + 3, arrow.y() + 1), hex(0x000000));
    EXPECT_EQ(rgb(image, arrow.x(), arrow.y()), hex(0x000000));
    EXPECT_EQ(rgb(image, arrow.x() + 6, arrow.y()), hex(0x000000));
    EXPECT_EQ(rgb(image, arrow.x() + 3, arrow.y() + 4), hex(0xEFEBDE));
}

TEST(SkinnedComboBox, ADisabledArrowIsGreyOverAWhiteShadow) {
    TsuiComboBox combo;
    combo.resize(200, 21);
    combo.setUIStyle(TsuiUIStyle::Protein);
    const QRgb box = rgb(shot(combo), 10, 10);
    combo.setEnabled(false);
    const QImage image = shot(combo);
    EXPECT_EQ(rgb(image, 10, 10), box); // the text area keeps its colour
    const QPoint arrow = arrowOrigin(combo.buttonRect());
    EXPECT_EQ(rgb(image, arrow.x() + 3, arrow.y() + 1), hex(0x808080));
    EXPECT_EQ(rgb(image, arrow.x() + 4, arrow.y() + 4), hex(0xFFFFFF));
    EXPECT_EQ(rgb(image, arrow.x() + 7, arrow.y() + 1), hex(0xFFFFFF));
}

TEST(SkinnedComboBox, TheSimpleStyleKeepsTheToolkitsLook) {
    TsuiComboBox simple;
    simple.setUIStyle(TsuiUIStyle::DeepBlue);
    simple.setStyle(TsuiComboBox::csSimple);
    QComboBox plain;
    plain.setEditable(true);
    for (QComboBox* combo : {static_cast<QComboBox*>(&simple), &plain})
        combo->resize(200, 21);
    EXPECT_EQ(shot(simple), shot(plain));
}

TEST(SkinnedComboBox, TheOpenListIsFramedInTheBorderColour) {
    QWidget window;
    auto* combo = new TsuiComboBox(&window);
    combo->setUIStyle(TsuiUIStyle::DeepBlue);
    combo->setBorderColor(TColor::fromRgb(0x12, 0x34, 0x56));
    combo->addItems({"one", "two", "three"});
    window.show();
    combo->showPopup();
    QWidget* list = combo->view()->parentWidget();
    ASSERT_TRUE(list->isVisible());
    const QImage image = shot(*list);
    EXPECT_EQ(rgb(image, 0, 0), hex(0x123456));
    EXPECT_EQ(rgb(image, image.width() - 1, image.height() - 1), hex(0x123456));
    combo->hidePopup();
    EXPECT_FALSE(list->isVisible());
}
