#include "report/spreadsheet/xf_fields.h"

#include <array>
#include <utility>

namespace spreadsheet {
namespace {

constexpr std::array<std::pair<HorizontalAlignment, uint8_t>, 4> kAlignments{{
    {HorizontalAlignment::General, 0},
    {HorizontalAlignment::Left, 1},
    {HorizontalAlignment::Center, 2},
    {HorizontalAlignment::Right, 3},
}};

constexpr std::array<std::pair<BorderWeight, uint8_t>, 5> kBorderLines{{
    {BorderWeight::None, 0},
    {BorderWeight::Thin, 1},
    {BorderWeight::Medium, 2},
    {BorderWeight::Thick, 5},
    {BorderWeight::Hairline, 7},
}};

template <typename Table, typename Key> auto lookup(const Table& table, Key key) {
    for (const auto& [k, v] : table) {
        if (k == key)
            return v;
    }
    return table.front().second;
}

template <typename Table, typename Value> auto reverse(const Table& table, Value value) {
    for (const auto& [k, v] : table) {
        if (v == value)
            return k;
    }
    return table.front().first;
}

} // namespace

uint8_t alignmentCode(HorizontalAlignment alignment) {
    return lookup(kAlignments, alignment);
}

HorizontalAlignment alignmentFromCode(uint8_t code) {
    return reverse(kAlignments, code);
}

uint8_t borderLineCode(BorderWeight weight) {
    return lookup(kBorderLines, weight);
}

BorderWeight borderFromLineCode(uint8_t code) {
    return reverse(kBorderLines, code);
}

} // namespace spreadsheet
