#include "report/spreadsheet/column_width.h"

#include <algorithm>
#include <cmath>

namespace spreadsheet {
namespace {

constexpr int kDigitWidthPixels = 7;
constexpr int kPaddingPixels = 5;
constexpr int kUnitsPerDigit = 256;

} // namespace

uint16_t columnWidthUnits(double characters) {
    if (!(characters > 0))
        return 0;
    const long pixels = std::lround(characters * kDigitWidthPixels) + kPaddingPixels;
    return static_cast<uint16_t>(
        std::min<long>(pixels * kUnitsPerDigit / kDigitWidthPixels, UINT16_MAX));
}

double columnWidthCharacters(uint16_t units) {
    const long pixels = std::lround(double(units) * kDigitWidthPixels / kUnitsPerDigit);
    if (pixels <= kPaddingPixels)
        return 0;
    return std::round(double(pixels - kPaddingPixels) * 100 / kDigitWidthPixels) / 100;
}

} // namespace spreadsheet
