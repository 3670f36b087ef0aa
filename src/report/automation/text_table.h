#pragma once

#include "report/automation/large_allocator.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

namespace automation {

// One text of a TextTable as it is stored: narrow (one byte a character) or wide (UTF-16
// in the machine's order). A narrow byte below 0x80 is that character; 0x80 + k is
// U+0400 + k, the Cyrillic block. The form is canonical: a text is narrow exactly when
// every character is ASCII or Cyrillic, so equal texts have equal bytes. Valid until the
// table it came from changes.
struct TextView {
    const char* data = nullptr;
    qsizetype size = 0; // in characters
    bool wide = false;

    bool isEmpty() const { return size == 0; }
    qsizetype byteSize() const { return wide ? 2 * size : size; }
    // Characters [from, from + count) into `out`.
    void copyTo(char16_t* out, qsizetype from, qsizetype count) const;
    QString toString() const;
    bool fitsLatin1() const;
    bool operator==(const TextView& other) const;
};

size_t qHash(const TextView& text, size_t seed = 0);

// A table of texts, rows by a fixed number of columns, 0-based, an empty text being an
// empty cell. Each text costs its characters (one byte each for ASCII and Cyrillic) and
// eight bytes, so a large table of short texts takes a fraction of what separate strings
// would. Copies share the texts until one of them changes (implicit sharing), so handing
// a table on copies nothing.
class TextTable {
public:
    TextTable() : TextTable(0, 0) {}
    TextTable(int rows, int columns);

    int rows() const { return m_d->rows; }
    int columns() const { return m_d->columns; }

    // Empty outside the table.
    QString text(int row, int column) const;
    TextView view(int row, int column) const;
    // A cell by its position row * columns + column.
    TextView viewAt(qsizetype cell) const {
        const Entry& entry = m_d->entries[size_t(cell)];
        return {m_d->bytes.data() + entry.offset, qsizetype(entry.sizeAndWide & ~kWideBit),
                (entry.sizeAndWide & kWideBit) != 0};
    }
    // Ignored outside the table.
    void setText(int row, int column, QStringView text);
    // Rows are added empty or dropped at the end; a negative count is ignored.
    void setRowCount(int rows);
    // Empties every cell, keeping the size.
    void clear();

    bool sharesTextsWith(const TextTable& other) const { return m_d == other.m_d; }

private:
    static constexpr uint32_t kWideBit = 0x80000000u;

    struct Entry {
        uint32_t offset = 0;
        uint32_t sizeAndWide = 0; // characters; the top bit marks a wide text
    };
    struct Data {
        int rows = 0;
        int columns = 0;
        std::vector<Entry, LargeAllocator<Entry>> entries;
        std::vector<char, LargeAllocator<char>> bytes;
        qsizetype unused = 0; // bytes of texts since replaced
    };

    bool contains(int row, int column) const;
    void detach();
    void compact();

    std::shared_ptr<Data> m_d;
};

} // namespace automation
