#include "report/automation/variant.h"

#include "report/automation/automation_error.h"

namespace automation {

bool Variant::toBool() const {
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_value);
    case Type::Int16:
    case Type::Int32:
        return toInt() != 0;
    case Type::String: {
        const QString text = std::get<QString>(m_value);
        if (text.compare("true", Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare("false", Qt::CaseInsensitive) == 0)
            return false;
        return toInt() != 0;
    }
    default:
        throw AutomationError::typeMismatch();
    }
}

int32_t Variant::toInt() const {
    switch (type()) {
    case Type::Bool:
        return std::get<bool>(m_value) ? -1 : 0;
    case Type::Int16:
        return std::get<int16_t>(m_value);
    case Type::Int32:
        return std::get<int32_t>(m_value);
    case Type::String: {
        bool ok = false;
        const int32_t value = std::get<QString>(m_value).trimmed().toInt(&ok);
        if (!ok)
            throw AutomationError::typeMismatch();
        return value;
    }
    default:
        throw AutomationError::typeMismatch();
    }
}

double Variant::toDouble() const {
    if (type() == Type::String) {
        bool ok = false;
        const double value = std::get<QString>(m_value).trimmed().toDouble(&ok);
        if (!ok)
            throw AutomationError::typeMismatch();
        return value;
    }
    return toInt();
}

QString Variant::toString() const {
    switch (type()) {
    case Type::Empty:
        return {};
    case Type::Bool:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Int16:
    case Type::Int32:
        return QString::number(toInt());
    case Type::String:
        return std::get<QString>(m_value);
    default:
        throw AutomationError::typeMismatch();
    }
}

std::shared_ptr<VariantArray> Variant::toArray() const {
    if (type() != Type::Array)
        throw AutomationError::typeMismatch();
    return std::get<std::shared_ptr<VariantArray>>(m_value);
}

std::shared_ptr<AutomationObject> Variant::toObject() const {
    if (type() != Type::Object || !std::get<std::shared_ptr<AutomationObject>>(m_value))
        throw AutomationError("Object required.");
    return std::get<std::shared_ptr<AutomationObject>>(m_value);
}

VariantArray::VariantArray(int rows, int columns) : m_rows(rows), m_columns(columns) {
    if (rows < 0 || columns < 0)
        throw AutomationError("Subscript out of range.");
    m_items.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
}

VariantArray::VariantArray(TextTable texts)
    : m_rows(texts.rows()), m_columns(texts.columns()), m_texts(std::move(texts)) {}

Variant VariantArray::at(int row, int column) const {
    const std::size_t i = index(row, column);
    return m_items.empty() ? Variant(m_texts.text(row - 1, column - 1)) : m_items[i];
}

void VariantArray::set(int row, int column, const Variant& value) {
    const std::size_t i = index(row, column);
    if (m_items.empty() && value.type() == Variant::Type::String) {
        m_texts.setText(row - 1, column - 1, value.toString());
        return;
    }
    if (m_items.empty()) {
        // Anything but a string: the elements are held one by one from now on.
        m_items.reserve(static_cast<std::size_t>(m_rows) * static_cast<std::size_t>(m_columns));
        for (int r = 0; r < m_rows; ++r) {
            for (int c = 0; c < m_columns; ++c)
                m_items.emplace_back(m_texts.text(r, c));
        }
        m_texts = TextTable();
    }
    m_items[i] = value;
}

std::size_t VariantArray::index(int row, int column) const {
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        throw AutomationError("Subscript out of range.");
    return static_cast<std::size_t>(row - 1) * m_columns + (column - 1);
}

} // namespace automation
