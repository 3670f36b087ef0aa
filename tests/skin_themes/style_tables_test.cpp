#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

using S = TsuiUIStyle;
namespace E = ThemeElement;

TEST(StyleTables, ColourLookupsGiveTheTableValuesAndBlackForOtherKinds) {
    EXPECT_EQ(GetStyleColor(S::WinXP, E::FormBackgroundColor), TColor::fromHex(0xEFEBDE));
    EXPECT_EQ(GetStyleColor(S::WinXP, E::FormBackgroundColor).value, 14609391u);
    EXPECT_EQ(GetStyleColor(S::WinXP, E::FormBorderColor), TColor::fromHex(0x002CC8));
    EXPECT_EQ(GetStyleColor(S::WinXP, E::ControlFontColor), TColor::fromHex(0x0246CF));
    EXPECT_EQ(GetStyleColor(S::MacOS, E::MenuBackgroundColor), TColor::fromHex(0x000000));
    EXPECT_EQ(GetStyleColor(S::BlueGlass, E::MenuSelectedBorderColor), TColor::fromHex(0x5E5EEC));
    EXPECT_EQ(GetStyleColor(S::Protein, E::FormBackgroundColor), TColor::fromHex(0xFBFBFB));
    EXPECT_EQ(GetStyleColor(S::DeepBlue, E::ToolBarButtonDownBackgroundColor),
              TColor::fromHex(0xD8D8D8));
    EXPECT_EQ(GetStyleColor(S::WinXP, E::ToolBarButtonDownBackgroundColor),
              TColor::fromHex(0x93ACE1));
    // Element 9 is an integer, element 1 an image.
    EXPECT_EQ(GetStyleColor(S::WinXP, E::TitleBarButtonTopInt).value, 0u);
    EXPECT_EQ(GetStyleColor(S::WinXP, E::ButtonImage).value, 0u);
    EXPECT_EQ(GetStyleColor(S::FromThemeFile, E::FormBackgroundColor).value, 0u);
}

TEST(StyleTables, IntegerLookupsGiveTheTableValuesAndMinusOneForOtherKinds) {
    EXPECT_EQ(GetStyleInt(S::WinXP, E::TitleBarButtonRightOffsetInt), -2);
    EXPECT_EQ(GetStyleInt(S::BlueGlass, E::TitleBarButtonRightOffsetInt), -3);
    EXPECT_EQ(GetStyleInt(S::WinXP, E::TitleBarButtonTopInt), 5);
    EXPECT_EQ(GetStyleInt(S::WinXP, E::FormRoundCornerInt), 13);
    EXPECT_EQ(GetStyleInt(S::BlueGlass, E::FormMinWidthInt), 270);
    EXPECT_EQ(GetStyleInt(S::WinXP, E::FormBorderWidthInt), 3);
    EXPECT_EQ(GetStyleInt(S::MacOS, E::TitleBarButtonLeftOffsetInt), 3);
    EXPECT_EQ(GetStyleInt(S::WinXP, E::FormBackgroundColor), -1);
    EXPECT_EQ(GetStyleInt(S::WinXP, E::ButtonTransparentBool), -1);
    EXPECT_EQ(GetStyleInt(S::FromThemeFile, E::FormMinWidthInt), -1);
    EXPECT_EQ(GetStyleInt(static_cast<S>(9), E::FormMinWidthInt), -1);
}

TEST(StyleTables, FlagLookupsGiveTheTableValuesAndFalseForOtherKinds) {
    EXPECT_TRUE(GetStyleBool(S::BlueGlass, E::ButtonTransparentBool));
    EXPECT_TRUE(GetStyleBool(S::MacOS, E::ButtonTransparentBool));
    EXPECT_FALSE(GetStyleBool(S::WinXP, E::ButtonTransparentBool));
    EXPECT_TRUE(GetStyleBool(S::Protein, E::TitleBarButtonTransparentBool));
    EXPECT_FALSE(GetStyleBool(S::MacOS, E::TitleBarButtonTransparentBool));
    EXPECT_FALSE(GetStyleBool(S::BlueGlass, E::FormMinWidthInt));
    EXPECT_FALSE(GetStyleBool(S::FromThemeFile, E::ButtonTransparentBool));
}

TEST(StyleTables, ImageNamesFollowThePrefixAndTheSharedScrollButton) {
    EXPECT_STREQ(styleImageName(S::WinXP, E::TitleBarLeftImage), "WINXP_TITLE_LEFT");
    EXPECT_STREQ(styleImageName(S::Protein, E::SideChannelHandleImage),
                 "PROTEIN_SIDECHENNEL_HANDLE");
    EXPECT_STREQ(styleImageName(S::MacOS, E::ScrollButtonImage), "MACOS_SCROLLBUTTON");
    EXPECT_STREQ(styleImageName(S::WinXP, E::ScrollButtonImage), "WINXP_SCROLLBUTTON");
    for (S s : {S::DeepBlue, S::Protein, S::BlueGlass})
        EXPECT_STREQ(styleImageName(s, E::ScrollButtonImage), "MORE_SCROLLBUTTON");
    EXPECT_STREQ(styleImageName(S::BlueGlass, E::ScrollBarSliderImage),
                 "BLUEGLASS_SCROLLBAR_TRACK");
    EXPECT_EQ(styleImageName(S::WinXP, E::FormBorderColor), nullptr);
    EXPECT_EQ(styleImageName(S::FromThemeFile, E::ButtonImage), nullptr);
}

TEST(StyleTables, BitmapLookupCutsFramesAndLeavesOtherTargetsAlone) {
    QImage whole;
    GetStyleBitmap(S::WinXP, E::TitleBarButtonImage, &whole, 0, 0);
    ASSERT_EQ(whole.size(), QSize(378, 21));

    QImage hoveredClose;
    GetStyleBitmap(S::WinXP, E::TitleBarButtonImage, &hoveredClose, 17, 18);
    ASSERT_EQ(hoveredClose.size(), QSize(21, 21));
    EXPECT_EQ(hoveredClose, whole.copy(16 * 21, 0, 21, 21));

    QImage untouched(3, 3, QImage::Format_RGB32);
    untouched.fill(Qt::green);
    const QImage before = untouched;
    GetStyleBitmap(S::FromThemeFile, E::ButtonImage, &untouched, 0, 0);
    GetStyleBitmap(S::WinXP, E::FormBackgroundColor, &untouched, 0, 0);
    EXPECT_EQ(untouched, before);
    GetStyleBitmap(S::WinXP, E::ButtonImage, nullptr, 1, 3); // an absent target is ignored

    QImage face;
    GetStyleBitmap(S::WinXP, E::ButtonImage, &face, 2, 3);
    EXPECT_EQ(face.size(), QSize(18, 21));
}

TEST(StyleTables, ElementListHasTheKeysAndKinds) {
    EXPECT_STREQ(elementKey(1), "ButtonImage");
    EXPECT_STREQ(elementKey(37), "ToolBarButtonDownBackgroundColor");
    EXPECT_STREQ(elementKey(42), "SideChannelBarImage");
    EXPECT_EQ(elementKey(0), nullptr);
    EXPECT_EQ(elementKey(43), nullptr);
    int counts[4] = {};
    for (int e = 1; e <= ThemeElement::Count; ++e)
        ++counts[int(elementKindOf(e))];
    EXPECT_EQ(counts[int(ElementKind::Int)], 6);
    EXPECT_EQ(counts[int(ElementKind::Color)], 15);
    EXPECT_EQ(counts[int(ElementKind::Image)], 19);
    EXPECT_EQ(counts[int(ElementKind::Bool)], 2);
}

TEST(StyleTables, StyleNamesRoundTrip) {
    EXPECT_EQ(uiStyleName(S::WinXP), QStringLiteral("WinXP"));
    EXPECT_EQ(uiStyleName(S::FromThemeFile), QStringLiteral("FromThemeFile"));
    S found = S::FromThemeFile;
    ASSERT_TRUE(builtInStyleFromName(QStringLiteral("blueglass"), found));
    EXPECT_EQ(found, S::BlueGlass);
    EXPECT_FALSE(builtInStyleFromName(QStringLiteral("FromThemeFile"), found));
    EXPECT_FALSE(builtInStyleFromName(QStringLiteral("Aqua"), found));
}

} // namespace
