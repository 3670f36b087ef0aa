#pragma once

#include "skin/themes/ui_style.h"

class QObject;
class QWidget;
class TsuiFileTheme;

namespace skin::themes {

// Where a component's style comes from (its window's skinned form) and where a container
// passes its own on.

// The skinned form of window: the first TsuiForm among its direct children; nullptr when
// there is none or window is no window.
QObject* skinnedFormOf(const QObject* window);

// The style a new control starts in: the "UIStyle" of the first TsuiForm among the direct
// children of its owner form; DeepBlue when there is none or the owner is no form.
TsuiUIStyle OwnerFormStyle(const QObject* owner);

// The style a control created with this parent starts in: that of the skinned frame of
// the window the parent belongs to.
TsuiUIStyle startStyleFor(const QWidget* parent);

// Gives each direct child of container that publishes both "FileTheme" and "UIStyle" the
// file theme and then the style, through its property setters.
void ApplyStyleToChildren(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme);

} // namespace skin::themes
