#pragma once

namespace skin::themes {

// The 42 numbered theme elements that make up a look. Element numbers index the
// element list (key and kind) and every style table; numbers run from 1.
namespace ThemeElement {
enum : int {
    ButtonImage = 1,
    ButtonTransparentBool,
    CheckBoxImage,
    RadioButtonImage,
    TitleBarButtonImage,
    TitleBarButtonTransparentBool,
    TitleBarButtonLeftOffsetInt,
    TitleBarButtonRightOffsetInt,
    TitleBarButtonTopInt,
    TitleBarLeftImage,
    TitleBarClientImage,
    TitleBarRightImage,
    FormMinWidthInt,
    FormRoundCornerInt,
    FormBackgroundColor,
    FormBorderColor,
    FormBorderWidthInt,
    MenuSelectedBorderColor,
    MenuSelectedBackgroundColor,
    MenuSelectedFontColor,
    MenuBackgroundColor,
    MenuFontColor,
    MenuBarColor,
    ProgressBarImage,
    ControlBorderColor,
    ControlBackgroundColor,
    ControlFontColor,
    TrackBarBarImage,
    TrackBarSliderImage,
    TrackBarSliderVImage,
    ScrollBarBackgroundColor,
    ScrollBarButtonImage,
    ScrollBarSliderImage,
    CheckListBoxImage,
    ToolBarButtonBorderColor,
    ToolBarButtonBackgroundColor,
    ToolBarButtonDownBackgroundColor,
    ScrollButtonImage,
    TabControlTabImage,
    TabControlBarImage,
    SideChannelHandleImage,
    SideChannelBarImage,
};
inline constexpr int Count = 42;
} // namespace ThemeElement

// Kind codes of the element list.
enum class ElementKind : int { Int = 0, Color = 1, Image = 2, Bool = 3 };

// Key under which a theme file stores the element ("ButtonImage"); nullptr outside 1..42.
const char* elementKey(int element);
// The element's kind; Int outside 1..42.
ElementKind elementKindOf(int element);

} // namespace skin::themes
