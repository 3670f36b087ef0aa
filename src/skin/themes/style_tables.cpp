#include "skin/themes/style_tables.h"

#include "skin/themes/cut_frame.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/theme_elements.h"

#include <QImage>

namespace skin::themes {

namespace {

// One table cell: a resource name for image elements, a number for every other kind.
struct StyleValue {
    qint32 number;
    const char* image;
};

constexpr StyleValue num(qint32 n) {
    return {n, nullptr};
}
constexpr StyleValue rgb(quint32 rrggbb) {
    return {qint32(TColor::fromHex(rrggbb).value), nullptr};
}
constexpr StyleValue img(const char* name) {
    return {0, name};
}

constexpr StyleValue kMacOS[ThemeElement::Count] = {
    img("MACOS_BUTTON"),
    num(1),
    img("MACOS_CHECKBOX"),
    img("MACOS_RADIOBUTTON"),
    img("MACOS_TITLEBTN"),
    num(0),
    num(3),
    num(-2),
    num(4),
    img("MACOS_TITLE_LEFT"),
    img("MACOS_TITLE_CLIENT"),
    img("MACOS_TITLE_RIGHT"),
    num(130),
    num(0),
    rgb(0xE7E7E7),
    rgb(0x7F7F7F),
    num(1),
    rgb(0x3973C4),
    rgb(0x3973C4),
    rgb(0xFFFFFF),
    rgb(0x000000),
    rgb(0x000000),
    rgb(0x000000),
    img("MACOS_PROGRESSBAR"),
    rgb(0x7F7F7F),
    rgb(0xE7E7E7),
    rgb(0x000000),
    img("MACOS_TRACKBAR_BAR"),
    img("MACOS_TRACKBAR_SLIDER"),
    img("MACOS_TRACKBAR_SLIDER_V"),
    rgb(0xC9C9C9),
    img("MACOS_SCROLLBAR_BUTTON"),
    img("MACOS_SCROLLBAR_TRACK"),
    img("MACOS_CHECKLIST"),
    rgb(0x474747),
    rgb(0xEFEFEF),
    rgb(0xD8D8D8),
    img("MACOS_SCROLLBUTTON"),
    img("MACOS_TAB"),
    img("MACOS_TAB_LINE"),
    img("MACOS_SIDECHENNEL_HANDLE"),
    img("MACOS_SIDECHENNEL_BAR"),
};
constexpr StyleValue kWinXP[ThemeElement::Count] = {
    img("WINXP_BUTTON"),
    num(0),
    img("WINXP_CHECKBOX"),
    img("WINXP_RADIOBUTTON"),
    img("WINXP_TITLEBTN"),
    num(0),
    num(2),
    num(-2),
    num(5),
    img("WINXP_TITLE_LEFT"),
    img("WINXP_TITLE_CLIENT"),
    img("WINXP_TITLE_RIGHT"),
    num(150),
    num(13),
    rgb(0xEFEBDE),
    rgb(0x002CC8),
    num(3),
    rgb(0x3169C6),
    rgb(0xC6D3EF),
    rgb(0x000000),
    rgb(0xFFFFFF),
    rgb(0x000000),
    rgb(0xD6D3CE),
    img("WINXP_PROGRESSBAR"),
    rgb(0x686868),
    rgb(0xEFEBDE),
    rgb(0x0246CF),
    img("WINXP_TRACKBAR_BAR"),
    img("WINXP_TRACKBAR_SLIDER"),
    img("WINXP_TRACKBAR_SLIDER_V"),
    rgb(0xF9F9F9),
    img("WINXP_SCROLLBAR_BUTTON"),
    img("WINXP_SCROLLBAR_TRACK"),
    img("WINXP_CHECKLIST"),
    rgb(0x3169C6),
    rgb(0xC6D3EF),
    rgb(0x93ACE1),
    img("WINXP_SCROLLBUTTON"),
    img("WINXP_TAB"),
    img("WINXP_TAB_LINE"),
    img("WINXP_SIDECHENNEL_HANDLE"),
    img("WINXP_SIDECHENNEL_BAR"),
};
constexpr StyleValue kDeepBlue[ThemeElement::Count] = {
    img("DEEPBLUE_BUTTON"),
    num(0),
    img("DEEPBLUE_CHECKBOX"),
    img("DEEPBLUE_RADIOBUTTON"),
    img("DEEPBLUE_TITLEBTN"),
    num(0),
    num(0),
    num(0),
    num(2),
    img("DEEPBLUE_TITLE_LEFT"),
    img("DEEPBLUE_TITLE_CLIENT"),
    img("DEEPBLUE_TITLE_RIGHT"),
    num(130),
    num(0),
    rgb(0xE8E8E8),
    rgb(0x000000),
    num(1),
    rgb(0x444AA0),
    rgb(0x444AA0),
    rgb(0xFFFFFF),
    rgb(0xFFFFFF),
    rgb(0x000000),
    rgb(0xD6D3CE),
    img("DEEPBLUE_PROGRESSBAR"),
    rgb(0x000000),
    rgb(0xE8E8E8),
    rgb(0x000000),
    img("DEEPBLUE_TRACKBAR_BAR"),
    img("DEEPBLUE_TRACKBAR_SLIDER"),
    img("DEEPBLUE_TRACKBAR_SLIDER_V"),
    rgb(0xF5F5F5),
    img("DEEPBLUE_SCROLLBAR_BUTTON"),
    img("DEEPBLUE_SCROLLBAR_TRACK"),
    img("DEEPBLUE_CHECKLIST"),
    rgb(0x474747),
    rgb(0xEFEFEF),
    rgb(0xD8D8D8),
    img("MORE_SCROLLBUTTON"),
    img("DEEPBLUE_TAB"),
    img("DEEPBLUE_TAB_LINE"),
    img("DEEPBLUE_SIDECHENNEL_HANDLE"),
    img("DEEPBLUE_SIDECHENNEL_BAR"),
};
constexpr StyleValue kProtein[ThemeElement::Count] = {
    img("PROTEIN_BUTTON"),
    num(0),
    img("PROTEIN_CHECKBOX"),
    img("PROTEIN_RADIOBUTTON"),
    img("PROTEIN_TITLEBTN"),
    num(1),
    num(0),
    num(0),
    num(2),
    img("PROTEIN_TITLE_LEFT"),
    img("PROTEIN_TITLE_CLIENT"),
    img("PROTEIN_TITLE_RIGHT"),
    num(130),
    num(0),
    rgb(0xFBFBFB),
    rgb(0x000000),
    num(1),
    rgb(0x2D30C4),
    rgb(0x2D30C4),
    rgb(0xFFFFFF),
    rgb(0xFFFFFF),
    rgb(0x000000),
    rgb(0xD6D3CE),
    img("PROTEIN_PROGRESSBAR"),
    rgb(0x000000),
    rgb(0xFBFBFB),
    rgb(0x000000),
    img("PROTEIN_TRACKBAR_BAR"),
    img("PROTEIN_TRACKBAR_SLIDER"),
    img("PROTEIN_TRACKBAR_SLIDER_V"),
    rgb(0xF5F5F5),
    img("PROTEIN_SCROLLBAR_BUTTON"),
    img("PROTEIN_SCROLLBAR_TRACK"),
    img("PROTEIN_CHECKLIST"),
    rgb(0x474747),
    rgb(0xEFEFEF),
    rgb(0xD8D8D8),
    img("MORE_SCROLLBUTTON"),
    img("PROTEIN_TAB"),
    img("PROTEIN_TAB_LINE"),
    img("PROTEIN_SIDECHENNEL_HANDLE"),
    img("PROTEIN_SIDECHENNEL_BAR"),
};
constexpr StyleValue kBlueGlass[ThemeElement::Count] = {
    img("BLUEGLASS_BUTTON"),
    num(1),
    img("BLUEGLASS_CHECKBOX"),
    img("BLUEGLASS_RADIOBUTTON"),
    img("BLUEGLASS_TITLEBTN"),
    num(1),
    num(4),
    num(-3),
    num(6),
    img("BLUEGLASS_TITLE_LEFT"),
    img("BLUEGLASS_TITLE_CLIENT"),
    img("BLUEGLASS_TITLE_RIGHT"),
    num(270),
    num(11),
    rgb(0xE7E7E7),
    rgb(0x000000),
    num(1),
    rgb(0x5E5EEC),
    rgb(0x5E5EEC),
    rgb(0xFFFFFF),
    rgb(0xE7E7E7),
    rgb(0x000000),
    rgb(0xD6D3CE),
    img("BLUEGLASS_PROGRESSBAR"),
    rgb(0x000000),
    rgb(0xE7E7E7),
    rgb(0x000000),
    img("BLUEGLASS_TRACKBAR_BAR"),
    img("BLUEGLASS_TRACKBAR_SLIDER"),
    img("BLUEGLASS_TRACKBAR_SLIDER_V"),
    rgb(0xF4F4F4),
    img("BLUEGLASS_SCROLLBAR_BUTTON"),
    img("BLUEGLASS_SCROLLBAR_TRACK"),
    img("BLUEGLASS_CHECKLIST"),
    rgb(0x474747),
    rgb(0xEFEFEF),
    rgb(0xD8D8D8),
    img("MORE_SCROLLBUTTON"),
    img("BLUEGLASS_TAB"),
    img("BLUEGLASS_TAB_LINE"),
    img("BLUEGLASS_SIDECHENNEL_HANDLE"),
    img("BLUEGLASS_SIDECHENNEL_BAR"),
};

const StyleValue* tableOf(TsuiUIStyle style) {
    switch (style) {
    case TsuiUIStyle::MacOS:
        return kMacOS;
    case TsuiUIStyle::WinXP:
        return kWinXP;
    case TsuiUIStyle::DeepBlue:
        return kDeepBlue;
    case TsuiUIStyle::Protein:
        return kProtein;
    case TsuiUIStyle::BlueGlass:
        return kBlueGlass;
    default:
        return nullptr;
    }
}

// The cell and its kind; FromThemeFile and unknown values give Int -1.
struct Lookup {
    ElementKind kind;
    StyleValue value;
};

Lookup lookup(TsuiUIStyle style, int element) {
    const StyleValue* table = tableOf(style);
    if (!table || element < 1 || element > ThemeElement::Count)
        return {ElementKind::Int, num(-1)};
    return {elementKindOf(element), table[element - 1]};
}

} // namespace

const char* styleImageName(TsuiUIStyle style, int element) {
    const Lookup found = lookup(style, element);
    return found.kind == ElementKind::Image ? found.value.image : nullptr;
}

void GetStyleBitmap(TsuiUIStyle style, int element, QImage* target, int frameIndex,
                    int frameCount) {
    if (!target)
        return;
    const char* name = styleImageName(style, element);
    if (!name)
        return;
    if (frameCount == 0) {
        *target = loadSkinResource(name);
        return;
    }
    CutFrame(loadSkinResource(name), *target, frameCount, frameIndex);
}

TColor GetStyleColor(TsuiUIStyle style, int element) {
    const Lookup found = lookup(style, element);
    return found.kind == ElementKind::Color ? TColor(quint32(found.value.number)) : TColor();
}

int GetStyleInt(TsuiUIStyle style, int element) {
    const Lookup found = lookup(style, element);
    return found.kind == ElementKind::Int ? found.value.number : -1;
}

bool GetStyleBool(TsuiUIStyle style, int element) {
    const Lookup found = lookup(style, element);
    return found.kind == ElementKind::Bool && found.value.number != 0;
}

} // namespace skin::themes
