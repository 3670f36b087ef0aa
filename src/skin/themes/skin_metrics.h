#pragma once

#include <QPoint>
#include <QSize>

// The pixel metrics of the looks, each named once, the way a widget style keeps its pixel
// metrics: the window frame, its title bar and menu bar, the menus and the message window.
namespace skin::themes {

// --- window frame ----------------------------------------------------------------------
// Width of the band along a sizeable window's edges that resizes it.
inline constexpr int kResizeMargin = 5;
// Height of the menu bar under the title bar when nothing else is set.
inline constexpr int kMenuBarHeight = 22;
// Extra width of a menu-bar button around its caption.
inline constexpr int kMenuBarButtonPadding = 14;

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

// --- menus -----------------------------------------------------------------------------
inline constexpr int kMenuItemHeight = 21;
inline constexpr int kMenuSeparatorHeight = 5;
inline constexpr int kMacMenuItemHeight = 20;
inline constexpr int kMacMenuSeparatorHeight = 12;

// --- message window --------------------------------------------------------------------
inline constexpr QSize kMessageClientSize{336, 130};
// The icon's place and size, and where the text goes beside it or, without an icon, in
// its place.
inline constexpr QPoint kMessageIconOrigin{24, 64};
inline constexpr int kMessageIconSize = 40;
inline constexpr QPoint kMessageTextOrigin{88, 64};
inline constexpr int kMessageTextWidth = 225;

} // namespace skin::themes
