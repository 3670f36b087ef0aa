#pragma once

#include <cstdint>

namespace spreadsheet {

// The workbook format's default colour palette: indices 8 to 63 hold 56 colours
// (0x00BBGGRR). Cells refer to fills and font colours by index.
constexpr int kFirstPaletteIndex = 8;
constexpr int kPaletteSize = 56;
// "Automatic" colour indices: the window text and window background of the system.
constexpr int kAutomaticForeground = 64;
constexpr int kAutomaticBackground = 65;

uint32_t paletteColor(int index);
// The palette index whose colour is nearest to the given one; an exact colour maps to
// its first index. Fills take this colour, as the spreadsheet does in this format.
int nearestPaletteIndex(uint32_t color);

} // namespace spreadsheet
