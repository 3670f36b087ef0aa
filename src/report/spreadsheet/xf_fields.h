#pragma once

#include "report/spreadsheet/cell_format.h"

#include <cstdint>

namespace spreadsheet {

// The codes a cell format record uses for alignment and border lines, both ways.
uint8_t alignmentCode(HorizontalAlignment alignment);
HorizontalAlignment alignmentFromCode(uint8_t code);
uint8_t borderLineCode(BorderWeight weight);
BorderWeight borderFromLineCode(uint8_t code);

} // namespace spreadsheet
