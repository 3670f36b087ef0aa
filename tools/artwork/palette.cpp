#include "palette.h"

namespace {

QColor c(unsigned rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

StylePalette macOS() {
    StylePalette p;
    p.titleTop = c(0xC2C2C2);
    p.titleBottom = c(0x8C8C8C);
    p.titleEdge = c(0x7F7F7F);
    p.titleShine = c(0xFFFFFF);
    p.glassTitle = false;
    p.titleCorner = 0;
    p.ornament = TitleOrnament::Pinstripes;
    p.titleButtonY = 4;
    p.faceTop = c(0xFBFBFB);
    p.faceBottom = c(0xD2D2D2);
    p.faceBorder = c(0x7A7A7A);
    p.hover = c(0x6C9BD8);
    p.pressedTop = c(0xBFD3F0);
    p.pressedBottom = c(0x7FA6DC);
    p.faceCorner = 10;
    p.keyedButtons = true;
    p.titleButtonTop = c(0xF4F4F4);
    p.titleButtonBottom = c(0xA8A8A8);
    p.titleButtonBorder = c(0x6A6A6A);
    p.titleGlyph = c(0x3A3A3A);
    p.closeTop = c(0xF0B0A8);
    p.closeBottom = c(0xC05048);
    p.roundTitleButtons = true;
    p.keyedTitleButtons = false;
    p.background = c(0xE7E7E7);
    p.accent = c(0x3973C4);
    p.arrow = c(0x404040);
    p.stripeA = c(0xF2F2F2);
    p.stripeB = c(0xE0E0E0);
    return p;
}

StylePalette winXP() {
    StylePalette p;
    p.titleTop = c(0x3A8CF6);
    p.titleBottom = c(0x0A4FD6);
    p.titleEdge = c(0x002CC8);
    p.titleShine = c(0x8CC0FF);
    p.glassTitle = false;
    p.titleCorner = 7;
    p.ornament = TitleOrnament::None;
    p.titleButtonY = 5;
    p.faceTop = c(0xFFFFFF);
    p.faceBottom = c(0xE3E1D6);
    p.faceBorder = c(0x1E4F9C);
    p.hover = c(0xF4B436);
    p.pressedTop = c(0xDEDCD2);
    p.pressedBottom = c(0xF0EFEA);
    p.faceCorner = 3;
    p.keyedButtons = false;
    p.titleButtonTop = c(0x5C9DFB);
    p.titleButtonBottom = c(0x1657E0);
    p.titleButtonBorder = c(0xFFFFFF);
    p.titleGlyph = c(0xFFFFFF);
    p.closeTop = c(0xF08C6E);
    p.closeBottom = c(0xCC3A1A);
    p.roundTitleButtons = false;
    p.keyedTitleButtons = false;
    p.background = c(0xEFEBDE);
    p.accent = c(0x21A121);
    p.arrow = c(0x4D61A6);
    p.stripeA = c(0xF6F5EF);
    p.stripeB = c(0xE8E5D8);
    return p;
}

StylePalette deepBlue() {
    StylePalette p;
    p.titleTop = c(0x27407F);
    p.titleBottom = c(0x0E1C4A);
    p.titleEdge = c(0x000000);
    p.titleShine = c(0x5068A8);
    p.glassTitle = false;
    p.titleCorner = 0;
    p.ornament = TitleOrnament::Diagonals;
    p.titleButtonY = 2;
    p.faceTop = c(0xE4E8F4);
    p.faceBottom = c(0xB4BEDA);
    p.faceBorder = c(0x1A2858);
    p.hover = c(0x5A78D0);
    p.pressedTop = c(0x98A6CE);
    p.pressedBottom = c(0xC6CEE6);
    p.faceCorner = 2;
    p.keyedButtons = false;
    p.titleButtonTop = c(0x3A5296);
    p.titleButtonBottom = c(0x16245A);
    p.titleButtonBorder = c(0x8898CC);
    p.titleGlyph = c(0xFFFFFF);
    p.closeTop = c(0x5A6CB0);
    p.closeBottom = c(0x24306C);
    p.roundTitleButtons = false;
    p.keyedTitleButtons = false;
    p.background = c(0xE8E8E8);
    p.accent = c(0x444AA0);
    p.arrow = c(0x16245A);
    p.stripeA = c(0x2A3F7C);
    p.stripeB = c(0x1C2C60);
    return p;
}

StylePalette protein() {
    StylePalette p;
    // Dark enough for a white caption to read at 4.5:1 or better over the hexagons.
    p.titleTop = c(0x4A6A84);
    p.titleBottom = c(0x2C4A62);
    p.titleEdge = c(0x000000);
    p.titleShine = c(0xB8CCDA);
    p.glassTitle = false;
    p.titleCorner = 0;
    p.ornament = TitleOrnament::Hexagons;
    p.titleButtonY = 2;
    p.faceTop = c(0xFFFFFF);
    p.faceBottom = c(0xE6EAEE);
    p.faceBorder = c(0x5A6A78);
    p.hover = c(0x2D30C4);
    p.pressedTop = c(0xD4DAE0);
    p.pressedBottom = c(0xF2F4F6);
    p.faceCorner = 4;
    p.keyedButtons = false;
    p.titleButtonTop = c(0xF4F7FA);
    p.titleButtonBottom = c(0xC8D4DE);
    p.titleButtonBorder = c(0x3C5064);
    p.titleGlyph = c(0x2A3A4A);
    p.closeTop = c(0xF8E0DC);
    p.closeBottom = c(0xD89890);
    p.roundTitleButtons = true;
    p.keyedTitleButtons = true;
    p.background = c(0xFBFBFB);
    p.accent = c(0x2D30C4);
    p.arrow = c(0x3C5064);
    p.stripeA = c(0xFBFBFB);
    p.stripeB = c(0xE4EAF0);
    return p;
}

StylePalette blueGlass() {
    StylePalette p;
    // Dark enough for a white caption to read at 4.5:1 or better under the glass.
    p.titleTop = c(0x2A62B8);
    p.titleBottom = c(0x0C3280);
    p.titleEdge = c(0x000000);
    p.titleShine = c(0xD8ECFF);
    p.glassTitle = true;
    p.titleCorner = 6;
    p.ornament = TitleOrnament::Arcs;
    p.titleButtonY = 6;
    p.faceTop = c(0xD6E9FF);
    p.faceBottom = c(0x6FA4E8);
    p.faceBorder = c(0x1F4F9A);
    p.hover = c(0x9FD0FF);
    p.pressedTop = c(0x4C86D6);
    p.pressedBottom = c(0x9CC4F4);
    p.faceCorner = 8;
    p.keyedButtons = true;
    p.titleButtonTop = c(0xC6E0FF);
    p.titleButtonBottom = c(0x2E6CCC);
    p.titleButtonBorder = c(0x163C7C);
    p.titleGlyph = c(0xFFFFFF);
    p.closeTop = c(0xFFC8C0);
    p.closeBottom = c(0xC83828);
    p.roundTitleButtons = true;
    p.keyedTitleButtons = true;
    p.background = c(0xE7E7E7);
    p.accent = c(0x5E5EEC);
    p.arrow = c(0x1F4F9A);
    p.stripeA = c(0xD6E6FA);
    p.stripeB = c(0xB6CEF0);
    return p;
}

} // namespace

const StylePalette& paletteOf(ArtStyle style) {
    static const StylePalette palettes[] = {macOS(), winXP(), deepBlue(), protein(), blueGlass()};
    return palettes[int(style)];
}
