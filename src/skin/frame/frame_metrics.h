#pragma once

// Pixel constants of the skinned window frame.
namespace frame_metrics {
// Width of the band along a sizeable window's edges that resizes it.
inline constexpr int kResizeMargin = 5;
// Height of the menu bar under the title bar when nothing else is set.
inline constexpr int kMenuBarHeight = 22;
// The caption starts here when the left side holds no control box and no offset.
inline constexpr int kCaptionDefaultLeft = 6;
// The application icon drawn in place of the control box, and the room it takes.
inline constexpr int kAppIconSize = 16;
inline constexpr int kAppIconAdvance = 21;
// Room after a control-box picture before the caption.
inline constexpr int kControlBoxGap = 5;
// Extra width of a menu-bar button around its caption.
inline constexpr int kMenuBarButtonPadding = 14;
// The version the skinned form reports.
inline constexpr char kVersion[] = "4.40";
} // namespace frame_metrics
