#pragma once

#include <QtGlobal>

#include <cstddef>
#include <cstdint>

// Record identifiers and fixed values of the Excel 97-2003 (BIFF8) workbook stream that
// this engine writes and reads.
namespace spreadsheet {

enum Record : uint16_t {
    kEof = 0x000A,
    kHeader = 0x0014,
    kFooter = 0x0015,
    kSelection = 0x001D,
    kTopMargin = 0x0028,
    kFont = 0x0031,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kDefColWidth = 0x0055,
    kColInfo = 0x007D,
    kWsBool = 0x0081,
    kBoundSheet = 0x0085,
    kSetup = 0x00A1,
    kMulBlank = 0x00BE,
    kDbCell = 0x00D7,
    kXf = 0x00E0,
    kMergedCells = 0x00E5,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kExtSst = 0x00FF,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kLabel = 0x0204,
    kRow = 0x0208,
    kIndex = 0x020B,
    kDefaultRowHeight = 0x0225,
    kWindow2 = 0x023E,
    kStyle = 0x0293,
    kBof = 0x0809,
};

constexpr uint16_t kBiff8Version = 0x0600;
constexpr uint16_t kGlobalsSubstream = 0x0005;
constexpr uint16_t kWorksheetSubstream = 0x0010;
constexpr int kMaxRecordData = 8224;
constexpr uint16_t kUnicodeCodePage = 1200;
// Fifteen style formats come first; format 15 is the plain cell format.
constexpr int kStyleXfCount = 15;
constexpr int kDefaultCellXf = 15;
// Font index 4 does not exist in this format: the fifth font record is font 5.
constexpr int kSkippedFontIndex = 4;
constexpr uint16_t kFontHeightTwips = 200; // 10 points
constexpr uint16_t kNormalWeight = 400;
constexpr uint16_t kBoldWeight = 700;
// Readers of the older kind take bold from this bit rather than from the weight.
constexpr uint16_t kBoldFlag = 0x0001;
constexpr uint16_t kItalicFlag = 0x0002;
constexpr uint16_t kStandardColumnWidth = 2340; // 8.43 characters, see column_width.h
constexpr uint16_t kColumnHidden = 0x0001;
constexpr uint16_t kColumnUserSet = 0x0002;
constexpr uint16_t kDefaultRowHeightTwips = 0x00FF;
// Sheet options: automatic page breaks shown, outline summaries below and right, outline
// symbols shown; fit-to-page printing is the one option the engine changes.
constexpr uint16_t kWsBoolDefault = 0x04C1;
constexpr uint16_t kWsBoolFitToPage = 0x0100;
// Rows go out in blocks of 32, each block's ROW records before its cells and a DBCELL
// record after them; the INDEX record lists where each DBCELL lies.
constexpr int kRowBlock = 32;
constexpr qsizetype kRowRecordSize = 4 + 16;
// The selection lies in the top left pane, the only one of a sheet without split.
constexpr uint8_t kTopLeftPane = 3;
constexpr uint16_t kWindow2GridlinesFlag = 0x0002;
constexpr uint16_t kWindow2BaseFlags = 0x06B4; // headers, zeros, outline, selected, active
constexpr uint16_t kSetupPortraitFlag = 0x0002;
constexpr uint16_t kSetupNoPrinterDataFlag = 0x0004;
constexpr uint8_t kSolidFill = 1;
constexpr int kMaxMergesPerRecord = 1026;
// The index of the shared strings has at most 128 buckets of at least 8 strings.
constexpr std::size_t kMaxBuckets = 128;
constexpr std::size_t kMinStringsPerBucket = 8;
constexpr int kMaxStringLength = 32767;

} // namespace spreadsheet
