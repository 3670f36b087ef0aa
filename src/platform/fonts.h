#pragma once

#include <QFont>

namespace platform {

// Registers the free metric-compatible interface fonts ("Tahoma", "MS Sans Serif") when
// they are installed, so the windows look the same wherever the program runs.
void registerInterfaceFonts();

// Text of the windows is drawn without smoothing, as the desktops of the program's era
// drew it: smoothing greys the strokes of these small fonts, and bold reads as regular.

// The program's interface font: "MS Sans Serif" at 11 pixels (8 points at 96 dpi), in
// pixels so the windows do not depend on the screen's dots per inch.
QFont interfaceFont();

// The desktop's menu font as this program's platform has it: "Tahoma" at 11 pixels.
QFont menuFont();

// font drawn without smoothing.
QFont unsmoothed(QFont font);

} // namespace platform
