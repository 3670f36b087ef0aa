#include "report/automation/automation_error.h"
#include "report/spreadsheet/palette.h"
#include "report/spreadsheet/server_objects.h"

#include <QStringList>

#include <array>
#include <utility>

namespace spreadsheet {
namespace {

constexpr double kStandardWidth = 8.43;
constexpr double kMaxColumnWidth = 255;

// The object model's constants for alignment and border weight.
constexpr std::array<std::pair<int32_t, HorizontalAlignment>, 4> kAlignments{{
    {1, HorizontalAlignment::General},
    {-4131, HorizontalAlignment::Left},
    {-4108, HorizontalAlignment::Center},
    {-4152, HorizontalAlignment::Right},
}};
constexpr std::array<std::pair<int32_t, BorderWeight>, 4> kWeights{{
    {1, BorderWeight::Hairline},
    {2, BorderWeight::Thin},
    {-4138, BorderWeight::Medium},
    {4, BorderWeight::Thick},
}};

template <typename Table> auto fromConstant(const Table& table, int32_t value, const char* name) {
    for (const auto& [constant, meaning] : table) {
        if (constant == value)
            return meaning;
    }
    throw AutomationError(QStringLiteral("Unable to set the %1 property.").arg(name));
}

template <typename Table, typename Meaning> int32_t toConstant(const Table& table, Meaning m) {
    for (const auto& [constant, meaning] : table) {
        if (meaning == m)
            return constant;
    }
    return 0;
}

// A rectangle of one sheet; every formatting member acts on all of its cells.
struct RangeRef {
    DocumentPtr document;
    int index;
    CellArea area;

    Sheet& sheet() const { return document->workbook().sheets.at(index); }
    CellFormat firstFormat() const {
        const auto cell = sheet().cell(area.firstRow, area.firstColumn);
        return cell ? cell->format : sheet().column(area.firstColumn).format;
    }
    void format(const std::function<void(CellFormat&)>& change) const {
        sheet().formatArea(area, change);
    }
};

// Font styles by their number: bit 0 bold, bit 1 italic.
const QStringList& fontStyles() {
    static const QStringList styles{"Regular", "Bold", "Italic", "Bold Italic"};
    return styles;
}

class FontObject : public AutomationObject {
public:
    explicit FontObject(RangeRef range) {
        addMember(
            "FontStyle",
            [range](const Arguments&) {
                const CellFormat f = range.firstFormat();
                return Variant(fontStyles()[(f.bold ? 1 : 0) | (f.italic ? 2 : 0)]);
            },
            [range](const Variant& value) {
                const QString wanted = value.toString().simplified();
                qsizetype style = fontStyles().size() - 1;
                while (style >= 0 && fontStyles()[style].compare(wanted, Qt::CaseInsensitive))
                    --style;
                if (style < 0)
                    throw AutomationError("Unable to set the FontStyle property.");
                range.format([style](CellFormat& f) {
                    f.bold = style & 1;
                    f.italic = style & 2;
                });
            });
    }
};

class InteriorObject : public AutomationObject {
public:
    explicit InteriorObject(RangeRef range) {
        addMember(
            "Color",
            [range](const Arguments&) {
                return Variant(static_cast<int32_t>(range.firstFormat().fill.value_or(0xFFFFFF)));
            },
            [range](const Variant& value) {
                const int32_t color = value.toInt();
                if (color < 0 || color > 0xFFFFFF)
                    throw AutomationError("Unable to set the Color property.");
                const uint32_t shown = paletteColor(nearestPaletteIndex(color));
                range.format([shown](CellFormat& f) { f.fill = shown; });
            });
    }
};

class BordersObject : public AutomationObject {
public:
    explicit BordersObject(RangeRef range) {
        addMember(
            "Weight",
            [range](const Arguments&) {
                return Variant(toConstant(kWeights, range.firstFormat().border));
            },
            [range](const Variant& value) {
                const BorderWeight weight = fromConstant(kWeights, value.toInt(), "Weight");
                range.format([weight](CellFormat& f) { f.border = weight; });
            });
    }
};

Variant cellValue(const Sheet& sheet, int row, int column) {
    const auto cell = sheet.cell(row, column);
    return cell ? Variant(cell->text) : Variant();
}

class RangeObject : public AutomationObject {
public:
    explicit RangeObject(RangeRef range) {
        addMember(
            "Value", [range](const Arguments&) { return value(range); },
            [range](const Variant& v) { setValue(range, v); });
        addMember("Font", [range](const Arguments&) {
            return Variant(ObjectPtr(std::make_shared<FontObject>(range)));
        });
        addMember("Interior", [range](const Arguments&) {
            return Variant(ObjectPtr(std::make_shared<InteriorObject>(range)));
        });
        addMember("Borders", [range](const Arguments&) {
            return Variant(ObjectPtr(std::make_shared<BordersObject>(range)));
        });
        addMember(
            "ColumnWidth",
            [range](const Arguments&) {
                const auto width = range.sheet().column(range.area.firstColumn).width;
                return Variant(QString::number(width.value_or(kStandardWidth)));
            },
            [range](const Variant& v) {
                const double width = v.toDouble();
                if (!(width >= 0 && width <= kMaxColumnWidth))
                    throw AutomationError("Unable to set the ColumnWidth property.");
                for (int c = range.area.firstColumn; c <= range.area.lastColumn; ++c)
                    range.sheet().column(c).width = width;
            });
        addMember(
            "HorizontalAlignment",
            [range](const Arguments&) {
                return Variant(toConstant(kAlignments, range.firstFormat().alignment));
            },
            [range](const Variant& v) {
                const HorizontalAlignment alignment =
                    fromConstant(kAlignments, v.toInt(), "HorizontalAlignment");
                range.format([alignment](CellFormat& f) { f.alignment = alignment; });
            });
        addMember(
            "MergeCells",
            [range](const Arguments&) {
                for (const CellArea& merged : range.sheet().merges()) {
                    if (merged == range.area)
                        return Variant(true);
                }
                return Variant(false);
            },
            [range](const Variant& v) { range.sheet().setMerged(range.area, v.toBool()); });
    }

private:
    static Variant value(const RangeRef& range) {
        const CellArea& a = range.area;
        if (a.rowCount() == 1 && a.columnCount() == 1)
            return cellValue(range.sheet(), a.firstRow, a.firstColumn);
        auto array = std::make_shared<VariantArray>(a.rowCount(), a.columnCount());
        for (int r = 1; r <= a.rowCount(); ++r) {
            for (int c = 1; c <= a.columnCount(); ++c)
                array->set(r, c,
                           cellValue(range.sheet(), a.firstRow + r - 1, a.firstColumn + c - 1));
        }
        return Variant(array);
    }

    // An array fills the range cell by cell and must have its shape; a single value
    // goes into every cell.
    static void setValue(const RangeRef& range, const Variant& v) {
        const CellArea& a = range.area;
        Sheet& sheet = range.sheet();
        if (v.type() != Variant::Type::Array) {
            // The text is kept once, however many cells show it.
            automation::TextTable one(1, 1);
            one.setText(0, 0, v.toString());
            const int table = sheet.shareTexts(one);
            for (int r = a.firstRow; r <= a.lastRow; ++r) {
                for (int c = a.firstColumn; c <= a.lastColumn; ++c)
                    sheet.setSharedText(r, c, table, 0);
            }
            return;
        }
        const auto array = v.toArray();
        if (array->rows() != a.rowCount() || array->columns() != a.columnCount())
            throw AutomationError(
                QStringLiteral("Unable to set the Value property: a %1 x %2 array for a "
                               "range of %3 x %4 cells.")
                    .arg(array->rows())
                    .arg(array->columns())
                    .arg(a.rowCount())
                    .arg(a.columnCount()));
        if (const automation::TextTable* texts = array->texts()) {
            // An array of texts only: the cells refer to its table, nothing is copied.
            const int table = sheet.shareTexts(*texts);
            // The last row first: the sheet makes room for all the rows at once.
            sheet.reserveCells(a.lastRow, a.lastColumn + 1);
            for (int r = 0; r < array->rows(); ++r) {
                sheet.reserveCells(a.firstRow + r, a.lastColumn + 1);
                for (int c = 0; c < array->columns(); ++c)
                    sheet.setSharedText(a.firstRow + r, a.firstColumn + c, table,
                                        qsizetype(r) * array->columns() + c);
            }
            return;
        }
        for (int r = 1; r <= array->rows(); ++r) {
            for (int c = 1; c <= array->columns(); ++c)
                sheet.setText(a.firstRow + r - 1, a.firstColumn + c - 1,
                              array->at(r, c).toString());
        }
    }
};

} // namespace

ObjectPtr makeRange(DocumentPtr document, int sheet, const CellArea& area) {
    return std::make_shared<RangeObject>(RangeRef{std::move(document), sheet, area});
}

ObjectPtr rangeOf(const DocumentPtr& document, int sheet, const Arguments& arguments) {
    automation::expectArguments(arguments, 1, 2);
    CellArea area = parseCellArea(arguments[0].toString());
    if (arguments.size() == 2)
        area = area.united(parseCellArea(arguments[1].toString()));
    return makeRange(document, sheet, area);
}

ObjectPtr columnsOf(const DocumentPtr& document, int sheet, const Arguments& arguments) {
    automation::expectArguments(arguments, 0, 1);
    if (arguments.empty())
        return makeRange(document, sheet, CellArea::columns(0, kMaxColumns - 1));
    const int column = indexArgument(arguments[0], kMaxColumns);
    return makeRange(document, sheet, CellArea::columns(column, column));
}

} // namespace spreadsheet
