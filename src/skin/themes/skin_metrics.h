#pragma once

#include "skin/themes/tcolor.h"

#include <QPoint>
#include <QSize>

// The pixel metrics and fixed colours of the looks, each named once, the way a widget style
// keeps its pixel metrics: the window frame, its title bar and menu bar, the controls, the
// menus, the status bar and the message window.
namespace skin::themes {

// --- fixed colours ---------------------------------------------------------------------
// Disabled text is drawn embossed: once in the light colour one pixel right and down, then
// in the shade colour in its place.
inline constexpr TColor kEmbossLight = TColor::fromHex(0xFFFFFF);
inline constexpr TColor kEmbossShade = TColor::fromHex(0x808080);
// Disabled captions and menu items that are not embossed.
inline constexpr TColor kDisabledText = TColor::fromHex(0x808080);

// --- window frame ----------------------------------------------------------------------
// Width of the band along a sizeable window's edges that resizes it.
inline constexpr int kResizeMargin = 5;
// Height of the menu bar under the title bar when nothing else is set.
inline constexpr int kMenuBarHeight = 22;
// Extra width of a menu-bar button around its caption.
inline constexpr int kMenuBarButtonPadding = 14;
// A pressed menu-bar button's face is cut this much at its right (the first button) or
// left (the others) and at its top; in MacOS its caption drops this much lower.
inline constexpr int kMenuBarPressedRightCut = 2;
inline constexpr int kMenuBarPressedLeftCut = 2;
inline constexpr int kMenuBarTopCut = 2;
inline constexpr int kMacMenuBarTextDrop = 2;
// The skinned form never gets smaller than this.
inline constexpr QSize kFormMinimumSize{125, 50};
// Every window of the program is at least this wide.
inline constexpr int kWindowMinimumWidth = 150;
// The top corners of every skinned window are rounded with this ellipse.
inline constexpr int kWindowRoundCorner = 13;

// --- title bar -------------------------------------------------------------------------
// The caption font: bold, in this family and pixel size.
inline constexpr char kCaptionFontFamily[] = "Tahoma";
inline constexpr int kCaptionPixelSize = 11;
// The caption starts here when the left side holds no control box and no offset.
inline constexpr int kCaptionDefaultLeft = 6;
// The application icon drawn in place of the control box, and the room it takes.
inline constexpr int kAppIconSize = 16;
inline constexpr int kAppIconAdvance = 21;
// Room after a control-box picture before the caption.
inline constexpr int kControlBoxGap = 5;
// A title-bar button's bitmap holds this many frames; a maximise button shows the
// restore or the maximise glyph from these frames (the first of three each).
inline constexpr int kTitleButtonFrames = 18;
inline constexpr int kRestoreGlyphFrame = 10;
inline constexpr int kMaximiseGlyphFrame = 7;
// The rounded outline reaches this far below the bar, so only its top shows.
inline constexpr int kTitleOutlineOverhang = 50;

// --- controls --------------------------------------------------------------------------
// The button face drawn when no frame can be had from the style.
inline constexpr QSize kBlankButtonFace{74, 21};
// The combo box's arrow until a style sets one.
inline constexpr TColor kComboArrowColor = TColor::fromHex(0x000000);
// Where a group box writes its caption, and where the top line's gap starts before it and
// ends after it.
inline constexpr QPoint kGroupCaptionOrigin{5, 0};
inline constexpr int kGroupGapStart = 2;
inline constexpr int kGroupGapEndAfterText = 6;

// --- menus -----------------------------------------------------------------------------
inline constexpr int kMenuItemHeight = 21;
inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMacMenuItemHeight = 20;
inline constexpr int kMacMenuSeparatorHeight = 12;
// The picture bar at the items' left, the width added to the widest caption, where the
// caption starts after the bar, where a shortcut ends and where an item's image goes.
inline constexpr int kMenuBarWidth = 26;
inline constexpr int kMenuMeasurePadding = 40;
inline constexpr int kMenuTextIndent = 4;
inline constexpr int kMenuTextTop = 4;
inline constexpr int kMenuShortcutRightGap = 16;
inline constexpr QPoint kMenuImageOffset{4, 3};
// Width of a drop-down list's frame.
inline constexpr int kMenuFrameWidth = 2;

// --- status bar ------------------------------------------------------------------------
// Panels start this far down and apart; their text starts this far inside the bevel.
inline constexpr int kStatusPanelGap = 2;
inline constexpr int kStatusTextIndent = 3;
// The window's corner stays this far beyond the pointer while the grip is dragged.
inline constexpr int kGripOvershoot = 5;

// --- message window --------------------------------------------------------------------
inline constexpr QSize kMessageClientSize{336, 130};
// The icon's place and size, and where the text goes beside it or, without an icon, in
// its place.
inline constexpr QPoint kMessageIconOrigin{24, 64};
inline constexpr int kMessageIconSize = 40;
inline constexpr QPoint kMessageTextOrigin{88, 64};
inline constexpr int kMessageTextWidth = 225;
// The buttons' row starts this far below the text and the window ends this far below it;
// the buttons' size, the first button's left from the right edge and their pitch.
inline constexpr int kMessageButtonsBelowText = 20;
inline constexpr int kMessageHeightBelowText = 65;
inline constexpr QSize kMessageButtonSize{73, 25};
inline constexpr int kMessageFirstButtonFromRight = 97;
inline constexpr int kMessageButtonPitch = 93;
// The icon bitmap holds this many icons side by side.
inline constexpr int kMessageIconFrames = 4;

} // namespace skin::themes
