#include "skin/themes/skin_resources.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

struct Expected {
    const char* name;
    int width, height;
};

// The sizes the skinned classes are built for, written out independently of the generator.
constexpr Expected kSizes[] = {
    {"MACOS_BUTTON", 252, 23},
    {"WINXP_BUTTON", 54, 21},
    {"DEEPBLUE_BUTTON", 222, 21},
    {"PROTEIN_BUTTON", 222, 21},
    {"BLUEGLASS_BUTTON", 231, 27},
    {"MACOS_CHECKBOX", 60, 17},
    {"WINXP_CHECKBOX", 52, 13},
    {"DEEPBLUE_CHECKBOX", 52, 13},
    {"PROTEIN_CHECKBOX", 52, 13},
    {"BLUEGLASS_CHECKBOX", 52, 13},
    {"MACOS_RADIOBUTTON", 64, 17},
    {"WINXP_RADIOBUTTON", 52, 13},
    {"DEEPBLUE_RADIOBUTTON", 52, 13},
    {"PROTEIN_RADIOBUTTON", 52, 13},
    {"BLUEGLASS_RADIOBUTTON", 52, 13},
    {"MACOS_TITLEBTN", 306, 17},
    {"WINXP_TITLEBTN", 378, 21},
    {"DEEPBLUE_TITLEBTN", 342, 19},
    {"PROTEIN_TITLEBTN", 342, 19},
    {"BLUEGLASS_TITLEBTN", 342, 19},
    {"MACOS_TITLE_LEFT", 48, 23},
    {"WINXP_TITLE_LEFT", 35, 29},
    {"DEEPBLUE_TITLE_LEFT", 97, 32},
    {"PROTEIN_TITLE_LEFT", 441, 23},
    {"BLUEGLASS_TITLE_LEFT", 162, 33},
    {"MACOS_TITLE_CLIENT", 49, 23},
    {"WINXP_TITLE_CLIENT", 37, 29},
    {"DEEPBLUE_TITLE_CLIENT", 98, 32},
    {"PROTEIN_TITLE_CLIENT", 1, 23},
    {"BLUEGLASS_TITLE_CLIENT", 179, 33},
    {"MACOS_TITLE_RIGHT", 48, 23},
    {"WINXP_TITLE_RIGHT", 35, 29},
    {"DEEPBLUE_TITLE_RIGHT", 97, 32},
    {"PROTEIN_TITLE_RIGHT", 1, 23},
    {"BLUEGLASS_TITLE_RIGHT", 101, 33},
    {"MACOS_PROGRESSBAR", 13, 10},
    {"WINXP_PROGRESSBAR", 6, 10},
    {"DEEPBLUE_PROGRESSBAR", 1, 10},
    {"PROTEIN_PROGRESSBAR", 1, 10},
    {"BLUEGLASS_PROGRESSBAR", 1, 10},
    {"MACOS_TRACKBAR_BAR", 45, 5},
    {"WINXP_TRACKBAR_BAR", 45, 8},
    {"DEEPBLUE_TRACKBAR_BAR", 45, 4},
    {"PROTEIN_TRACKBAR_BAR", 45, 4},
    {"BLUEGLASS_TRACKBAR_BAR", 45, 4},
    {"MACOS_TRACKBAR_SLIDER", 11, 20},
    {"WINXP_TRACKBAR_SLIDER", 11, 21},
    {"DEEPBLUE_TRACKBAR_SLIDER", 11, 20},
    {"PROTEIN_TRACKBAR_SLIDER", 11, 20},
    {"BLUEGLASS_TRACKBAR_SLIDER", 11, 20},
    {"MACOS_TRACKBAR_SLIDER_V", 19, 11},
    {"WINXP_TRACKBAR_SLIDER_V", 22, 11},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11},
    {"PROTEIN_TRACKBAR_SLIDER_V", 18, 11},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11},
    {"MACOS_SCROLLBAR_BUTTON", 96, 22},
    {"WINXP_SCROLLBAR_BUTTON", 96, 17},
    {"DEEPBLUE_SCROLLBAR_BUTTON", 96, 16},
    {"PROTEIN_SCROLLBAR_BUTTON", 96, 16},
    {"BLUEGLASS_SCROLLBAR_BUTTON", 102, 16},
    {"MACOS_SCROLLBAR_TRACK", 33, 16},
    {"WINXP_SCROLLBAR_TRACK", 21, 16},
    {"DEEPBLUE_SCROLLBAR_TRACK", 21, 16},
    {"PROTEIN_SCROLLBAR_TRACK", 21, 16},
    {"BLUEGLASS_SCROLLBAR_TRACK", 21, 16},
    {"MACOS_CHECKLIST", 40, 11},
    {"WINXP_CHECKLIST", 44, 11},
    {"DEEPBLUE_CHECKLIST", 44, 11},
    {"PROTEIN_CHECKLIST", 44, 11},
    {"BLUEGLASS_CHECKLIST", 44, 11},
    {"MACOS_SCROLLBUTTON", 72, 18},
    {"WINXP_SCROLLBUTTON", 72, 18},
    {"MORE_SCROLLBUTTON", 72, 17},
    {"MACOS_TAB", 36, 27},
    {"WINXP_TAB", 18, 18},
    {"DEEPBLUE_TAB", 12, 17},
    {"PROTEIN_TAB", 18, 17},
    {"BLUEGLASS_TAB", 18, 17},
    {"MACOS_TAB_LINE", 17, 7},
    {"WINXP_TAB_LINE", 8, 1},
    {"DEEPBLUE_TAB_LINE", 5, 5},
    {"PROTEIN_TAB_LINE", 10, 5},
    {"BLUEGLASS_TAB_LINE", 10, 5},
    {"MACOS_SIDECHENNEL_HANDLE", 7, 84},
    {"WINXP_SIDECHENNEL_HANDLE", 8, 86},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83},
    {"PROTEIN_SIDECHENNEL_HANDLE", 8, 83},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86},
    {"MACOS_SIDECHENNEL_BAR", 1, 21},
    {"WINXP_SIDECHENNEL_BAR", 1, 21},
    {"DEEPBLUE_SIDECHENNEL_BAR", 1, 20},
    {"PROTEIN_SIDECHENNEL_BAR", 1, 21},
    {"BLUEGLASS_SIDECHENNEL_BAR", 1, 21},
    {"MACOS_FORM_BACKGROUND", 8, 8},
    {"PROTEIN_FORM_BACKGROUND", 8, 8},
    {"MACOS_MENU_BAR", 1, 22},
    {"MACOS_MENU_SELECT", 1, 21},
    {"MENU_CHECKED", 16, 16},
    {"WINXP_COMBOBOX_BUTTON", 16, 18},
    {"MACOS_COMBOBOX_BUTTON", 16, 17},
    {"STATUSBAR_HANDLE", 11, 11},
    {"MSGDLG", 168, 42},
};

TEST(SkinResources, EveryResourceIsBuiltInAtItsSize) {
    for (const Expected& e : kSizes) {
        const QImage image = loadSkinResource(e.name);
        ASSERT_FALSE(image.isNull()) << e.name;
        EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << e.name;
    }
    const QImage icon = loadSkinResource("MAINICON");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), icon.height());
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_TRUE(loadSkinResource("NO_SUCH_RESOURCE").isNull());
}

TEST(SkinResources, EveryImageElementOfEveryBuiltInStyleLoads) {
    for (TsuiUIStyle style : kBuiltInStyles) {
        for (int e = 1; e <= ThemeElement::Count; ++e) {
            if (elementKindOf(e) != ElementKind::Image)
                continue;
            QImage image;
            GetStyleBitmap(style, e, &image, 0, 0);
            EXPECT_FALSE(image.isNull()) << styleImageName(style, e);
        }
    }
}

bool hasKey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF)
                return true;
    return false;
}

TEST(SkinResources, KeyColourMarksOnlyWhatIsDrawnKeyed) {
    // The size grip stands on the key colour; transparent title buttons keep it in their
    // bottom-left pixel, which the title bar takes as its key.
    const QImage grip = loadSkinResource("STATUSBAR_HANDLE");
    EXPECT_EQ(grip.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_NE(grip.pixel(9, 9) & 0xFFFFFF, 0xFF00FFu);
    for (const char* name : {"PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN"}) {
        const QImage strip = loadSkinResource(name);
        EXPECT_EQ(strip.pixel(0, strip.height() - 1) & 0xFFFFFF, 0xFF00FFu) << name;
    }
    // The rounded WinXP caption keys its outer top corners only.
    const QImage left = loadSkinResource("WINXP_TITLE_LEFT");
    EXPECT_EQ(left.pixel(0, 0) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_NE(left.pixel(0, 20) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_FALSE(hasKey(loadSkinResource("WINXP_BUTTON")));
    EXPECT_FALSE(hasKey(loadSkinResource("WINXP_TITLE_CLIENT")));
    // The message icons stand on the key colour so that every look's background shows
    // round them; the marks inside keep their colours.
    const QImage icons = loadSkinResource("MSGDLG");
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(icons.pixel(frame * 42, 0) & 0xFFFFFF, 0xFF00FFu) << frame;
        EXPECT_NE(icons.pixel(frame * 42 + 21, 21) & 0xFFFFFF, 0xFF00FFu) << frame;
    }
}

TEST(SkinResources, WinXPCloseButtonIsRedAndTheOthersBlue) {
    QImage close, minimise;
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::TitleBarButtonImage, &close, 16, 18);
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::TitleBarButtonImage, &minimise, 13, 18);
    const QColor c = QColor(close.pixel(3, 10)), m = QColor(minimise.pixel(3, 10));
    EXPECT_GT(c.red(), c.blue() + 60);
    EXPECT_GT(m.blue(), m.red() + 60);
}

} // namespace
