#pragma once

#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

class QImage;

namespace skin::themes {

// Lookups in the built-in style tables. For FromThemeFile or any value outside the
// built-in styles every element reads as kind Int with value -1.

// Loads the element's bitmap into target: the whole resource when frameCount is 0,
// otherwise frame frameIndex (1-based) of frameCount. Leaves target unchanged when it is
// absent or the element is not an image in that style.
void GetStyleBitmap(TsuiUIStyle style, int element, QImage* target, int frameIndex, int frameCount);
// The element's colour; black when the element is not a colour.
TColor GetStyleColor(TsuiUIStyle style, int element);
// The element's integer; -1 when the element is not an integer.
int GetStyleInt(TsuiUIStyle style, int element);
// The element's flag; false when the element is not a flag.
bool GetStyleBool(TsuiUIStyle style, int element);

// The resource name an image element has in a built-in style; nullptr when it has none.
const char* styleImageName(TsuiUIStyle style, int element);

} // namespace skin::themes
