#pragma once

#include <cstdint>

namespace spreadsheet {

// Column widths as the workbook file stores them: in 1/256 of the width of a digit of the
// default font (7 pixels for Arial 10), with the column's 5 pixels of padding counted in.
// A column of w characters is round(7 w) + 5 pixels wide: 30 characters are 215 pixels,
// stored as 7,862 (30.71 × 256); the standard 8.43 characters are 64 pixels, 2,340.
uint16_t columnWidthUnits(double characters);

// The width in characters, to 1/100, that a stored width shows; inverse of the above.
double columnWidthCharacters(uint16_t units);

} // namespace spreadsheet
