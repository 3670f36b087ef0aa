#pragma once

#include <QFont>

namespace platform {

// Registers the free metric-compatible interface fonts ("Tahoma", "MS Sans Serif") when
// they are installed, so the windows look the same wherever the program runs.
void registerInterfaceFonts();

// The program's interface font: "MS Sans Serif" at 11 pixels (8 points at 96 dpi), in
// pixels so the windows do not depend on the screen's dots per inch.
QFont interfaceFont();

} // namespace platform
