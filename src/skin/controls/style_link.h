#pragma once

#include "skin/themes/file_theme.h"
#include "skin/themes/file_theme_link.h"
#include "skin/themes/style_resolution.h"
#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

#include <QPalette>

class QImage;

// A skinned control's look, read by theme element: from the file theme when the style is
// FromThemeFile and the theme can be used, otherwise from the built-in table of the style
// ResolveStyle hands back.
TColor controlStyleColor(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element);
bool controlStyleBool(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element);
// Frame frameIndex (1-based) of frameCount of the element's picture; a null image when
// there is none.
QImage controlStyleFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element,
                         int frameIndex, int frameCount);

// A colour of the control's palette as the skin holds colours.
TColor paletteColor(const QWidget& control, QPalette::ColorRole role);

// The style a control created with this parent starts in: that of the skinned frame of
// the window the parent belongs to.
TsuiUIStyle startStyleFor(const QWidget* parent);
