#include "skin/frame/title_bar.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/tcolor.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QWidget>

using namespace skin::frame;

namespace {

constexpr TColor kWhite = TColor::fromHex(0xFFFFFF);
constexpr TColor kBlack = TColor::fromHex(0x000000);

void expectBoldTahoma11(const QFont& font) {
    EXPECT_EQ(font.family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.underline());
}

} // namespace

// What a title bar draws its caption in before anyone sets a font: bold Tahoma of 11
// pixels, white in every style but MacOS, which writes its caption in black.
TEST(titleBarCaptionFont, AFreshBarUsesBoldWhiteTahomaOfElevenPixels) {
    QWidget window;
    TsuiTitleBar bar(&window);
    expectBoldTahoma11(bar.font());
    EXPECT_EQ(bar.FontColor(), kWhite);
    EXPECT_EQ(bar.UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST(titleBarCaptionFont, TheStyleSetsTheColourButKeepsTheFont) {
    QWidget window;
    TsuiTitleBar bar(&window);
    bar.setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(bar.FontColor(), kBlack);
    expectBoldTahoma11(bar.font());
    bar.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar.FontColor(), kWhite);
    expectBoldTahoma11(bar.font());
}

TEST(titleBarCaptionFont, ABarOnAMacOSWindowStartsWithABlackCaption) {
    QWidget window;
    TsuiForm* form = skinWindow(&window, {TsuiTitleBarBtnType::suiClose});
    form->setUIStyle(TsuiUIStyle::MacOS);
    TsuiTitleBar bar(&window);
    EXPECT_EQ(bar.UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(bar.FontColor(), kBlack);
    expectBoldTahoma11(bar.font());
}
