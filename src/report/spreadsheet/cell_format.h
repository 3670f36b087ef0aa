#pragma once

#include <cstdint>
#include <optional>

namespace spreadsheet {

enum class HorizontalAlignment : uint8_t { General, Left, Center, Right };
enum class BorderWeight : uint8_t { None, Hairline, Thin, Medium, Thick };

// The look of a cell or of a whole column. The font is the workbook's default font,
// optionally bold and italic; a fill is a solid colour of the workbook palette
// (0x00BBGGRR); a border is drawn on all four edges.
// The fill comes first so that a format packs into 12 bytes: every cell holds one.
struct CellFormat {
    std::optional<uint32_t> fill;
    bool bold = false;
    bool italic = false;
    HorizontalAlignment alignment = HorizontalAlignment::General;
    BorderWeight border = BorderWeight::None;

    bool operator==(const CellFormat&) const = default;
};

} // namespace spreadsheet
