#include "report/spreadsheet/palette.h"

#include <array>
#include <limits>

namespace spreadsheet {
namespace {

// Written #RRGGBB for reading; converted to 0x00BBGGRR on use.
constexpr std::array<uint32_t, kPaletteSize> kDefaultPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

constexpr uint32_t toBgr(uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int channel(uint32_t color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

} // namespace

uint32_t paletteColor(int index) {
    if (index < kFirstPaletteIndex || index >= kFirstPaletteIndex + kPaletteSize)
        return index == kAutomaticBackground ? 0xFFFFFF : 0x000000;
    return toBgr(kDefaultPalette[index - kFirstPaletteIndex]);
}

int nearestPaletteIndex(uint32_t color) {
    int best = kFirstPaletteIndex;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < kPaletteSize; ++i) {
        const uint32_t candidate = toBgr(kDefaultPalette[i]);
        int distance = 0;
        for (int shift : {0, 8, 16}) {
            const int d = channel(candidate, shift) - channel(color, shift);
            distance += d * d;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = kFirstPaletteIndex + i;
        }
    }
    return best;
}

} // namespace spreadsheet
