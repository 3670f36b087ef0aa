#pragma once

#include "report/automation/text_table.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace automation {

class AutomationObject;
class VariantArray;

// A value passed through the automation layer: empty, Boolean, 16- or 32-bit integer,
// string, two-dimensional array of variants, or an object reference. Arrays and objects
// are shared, so passing one hands over a reference, not a copy.
class Variant {
public:
    enum class Type { Empty, Bool, Int16, Int32, String, Array, Object };

    Variant() = default;
    Variant(bool value) : m_value(value) {}
    Variant(int16_t value) : m_value(value) {}
    Variant(int32_t value) : m_value(value) {}
    Variant(const QString& value) : m_value(value) {}
    Variant(const char* value) : m_value(QString::fromUtf8(value)) {}
    Variant(std::shared_ptr<VariantArray> value) : m_value(std::move(value)) {}
    Variant(std::shared_ptr<AutomationObject> value) : m_value(std::move(value)) {}

    Type type() const { return static_cast<Type>(m_value.index()); }
    bool isEmpty() const { return type() == Type::Empty; }

    // Conversions the way a late-bound call coerces its arguments; anything that does not
    // convert raises "Type mismatch.".
    bool toBool() const;
    int32_t toInt() const;
    double toDouble() const;
    QString toString() const;
    std::shared_ptr<VariantArray> toArray() const;
    // Raises "Object required." for anything but an object reference.
    std::shared_ptr<AutomationObject> toObject() const;

private:
    std::variant<std::monostate, bool, int16_t, int32_t, QString, std::shared_ptr<VariantArray>,
                 std::shared_ptr<AutomationObject>>
        m_value;
};

// A two-dimensional array of variants; both dimensions start at 1, rows first. An array
// of nothing but strings may be made from a table of texts, which it then shares instead
// of holding a string per element.
class VariantArray {
public:
    // Every element empty.
    VariantArray(int rows, int columns);
    // Element [r + 1, c + 1] is the string of the table's cell at row r, column c.
    explicit VariantArray(TextTable texts);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    Variant at(int row, int column) const;
    void set(int row, int column, const Variant& value);

    // The table the elements come from while the array holds nothing but its strings;
    // null otherwise.
    const TextTable* texts() const {
        return m_items.empty() && m_rows * m_columns > 0 ? &m_texts : nullptr;
    }

private:
    std::size_t index(int row, int column) const;

    int m_rows;
    int m_columns;
    TextTable m_texts;
    std::vector<Variant> m_items; // used unless the elements come from m_texts
};

using Arguments = std::vector<Variant>;

} // namespace automation
