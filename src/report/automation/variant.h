#pragma once

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

// A two-dimensional array of variants; both dimensions start at 1, rows first.
class VariantArray {
public:
    VariantArray(int rows, int columns);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    Variant& at(int row, int column) { return m_items[index(row, column)]; }
    const Variant& at(int row, int column) const { return m_items[index(row, column)]; }

private:
    std::size_t index(int row, int column) const;

    int m_rows;
    int m_columns;
    std::vector<Variant> m_items;
};

using Arguments = std::vector<Variant>;

} // namespace automation
