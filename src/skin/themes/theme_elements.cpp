#include "skin/themes/theme_elements.h"

namespace skin::themes {

namespace {

using K = ElementKind;

struct ElementInfo {
    const char* key;
    ElementKind kind;
};

constexpr ElementInfo kElements[ThemeElement::Count] = {
    {"ButtonImage", K::Image},
    {"ButtonTransparentBool", K::Bool},
    {"CheckBoxImage", K::Image},
    {"RadioButtonImage", K::Image},
    {"TitleBarButtonImage", K::Image},
    {"TitleBarButtonTransparentBool", K::Bool},
    {"TitleBarButtonLeftOffsetInt", K::Int},
    {"TitleBarButtonRightOffsetInt", K::Int},
    {"TitleBarButtonTopInt", K::Int},
    {"TitleBarLeftImage", K::Image},
    {"TitleBarClientImage", K::Image},
    {"TitleBarRightImage", K::Image},
    {"FormMinWidthInt", K::Int},
    {"FormRoundCornerInt", K::Int},
    {"FormBackgroundColor", K::Color},
    {"FormBorderColor", K::Color},
    {"FormBorderWidthInt", K::Int},
    {"MenuSelectedBorderColor", K::Color},
    {"MenuSelectedBackgroundColor", K::Color},
    {"MenuSelectedFontColor", K::Color},
    {"MenuBackgroundColor", K::Color},
    {"MenuFontColor", K::Color},
    {"MenuBarColor", K::Color},
    {"ProgressBarImage", K::Image},
    {"ControlBorderColor", K::Color},
    {"ControlBackgroundColor", K::Color},
    {"ControlFontColor", K::Color},
    {"TrackBarBarImage", K::Image},
    {"TrackBarSliderImage", K::Image},
    {"TrackBarSliderVImage", K::Image},
    {"ScrollBarBackgroundColor", K::Color},
    {"ScrollBarButtonImage", K::Image},
    {"ScrollBarSliderImage", K::Image},
    {"CheckListBoxImage", K::Image},
    {"ToolBarButtonBorderColor", K::Color},
    {"ToolBarButtonBackgroundColor", K::Color},
    {"ToolBarButtonDownBackgroundColor", K::Color},
    {"ScrollButtonImage", K::Image},
    {"TabControlTabImage", K::Image},
    {"TabControlBarImage", K::Image},
    {"SideChannelHandleImage", K::Image},
    {"SideChannelBarImage", K::Image},
};

bool inRange(int element) {
    return element >= 1 && element <= ThemeElement::Count;
}

} // namespace

const char* elementKey(int element) {
    return inRange(element) ? kElements[element - 1].key : nullptr;
}

ElementKind elementKindOf(int element) {
    return inRange(element) ? kElements[element - 1].kind : ElementKind::Int;
}

} // namespace skin::themes
