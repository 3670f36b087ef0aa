#pragma once

#include "skin/themes/ui_style.h"

class QObject;
class QWidget;
class TsuiFileTheme;

// Decides where a component reads its look: true to read it from the file theme; false to
// read the built-in table of resolved. resolved is the style itself unless it is
// FromThemeFile without a usable file theme, which falls back to DeepBlue.
bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& resolved);

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
