#include "report/automation/text_table.h"

#include <QHashFunctions>

#include <algorithm>
#include <cstring>

namespace automation {
namespace {

constexpr char16_t kCyrillicFirst = 0x0400;

bool narrowable(char16_t c) {
    return c < 0x80 || (c >= kCyrillicFirst && c < kCyrillicFirst + 0x80);
}

char16_t fromNarrow(unsigned char byte) {
    return byte < 0x80 ? byte : char16_t(kCyrillicFirst + (byte - 0x80));
}

} // namespace

void TextView::copyTo(char16_t* out, qsizetype from, qsizetype count) const {
    if (wide) {
        std::memcpy(out, data + 2 * from, 2 * count);
        return;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(data) + from;
    for (qsizetype i = 0; i < count; ++i)
        out[i] = fromNarrow(bytes[i]);
}

QString TextView::toString() const {
    QString text(size, Qt::Uninitialized);
    copyTo(reinterpret_cast<char16_t*>(text.data()), 0, size);
    return text;
}

bool TextView::fitsLatin1() const {
    if (!wide) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(data);
        return std::all_of(bytes, bytes + size, [](unsigned char b) { return b < 0x80; });
    }
    for (qsizetype i = 0; i < size; ++i) {
        char16_t c;
        std::memcpy(&c, data + 2 * i, 2);
        if (c > 0xFF)
            return false;
    }
    return true;
}

bool TextView::operator==(const TextView& other) const {
    return size == other.size && wide == other.wide &&
           std::memcmp(data, other.data, byteSize()) == 0;
}

size_t qHash(const TextView& text, size_t seed) {
    return qHashBits(text.data, text.byteSize(), seed ^ size_t(text.wide));
}

TextTable::TextTable(int rows, int columns) : m_d(std::make_shared<Data>()) {
    m_d->columns = std::max(columns, 0);
    setRowCount(rows);
}

bool TextTable::contains(int row, int column) const {
    return row >= 0 && row < m_d->rows && column >= 0 && column < m_d->columns;
}

QString TextTable::text(int row, int column) const {
    return view(row, column).toString();
}

TextView TextTable::view(int row, int column) const {
    if (!contains(row, column))
        return {};
    return viewAt(qsizetype(row) * m_d->columns + column);
}

void TextTable::setText(int row, int column, QStringView text) {
    if (!contains(row, column))
        return;
    detach();
    Data& d = *m_d;
    Entry& entry = d.entries[size_t(row) * d.columns + column];
    d.unused += viewAt(qsizetype(row) * d.columns + column).byteSize();
    const bool wide =
        !std::all_of(text.begin(), text.end(), [](QChar c) { return narrowable(c.unicode()); });
    const size_t offset = d.bytes.size();
    const size_t needed = offset + (wide ? 2 : 1) * size_t(text.size());
    // Growing by half rather than doubling: a large table wastes less room.
    if (needed > d.bytes.capacity())
        d.bytes.reserve(std::max(needed, d.bytes.capacity() + d.bytes.capacity() / 2));
    if (wide) {
        d.bytes.resize(offset + 2 * size_t(text.size()));
        std::memcpy(d.bytes.data() + offset, text.utf16(), 2 * size_t(text.size()));
    } else {
        d.bytes.resize(offset + size_t(text.size()));
        char* out = d.bytes.data() + offset;
        for (QChar c : text) {
            const char16_t u = c.unicode();
            *out++ = char(u < 0x80 ? u : 0x80 + (u - kCyrillicFirst));
        }
    }
    entry = {uint32_t(offset), uint32_t(text.size()) | (wide ? kWideBit : 0)};
    // Texts written over again and again would otherwise make the table grow for ever.
    constexpr qsizetype kSmallTable = 64 * 1024;
    if (d.unused > kSmallTable && d.unused > qsizetype(d.bytes.size()) / 2)
        compact();
}

void TextTable::setRowCount(int rows) {
    if (rows < 0 || rows == m_d->rows)
        return;
    detach();
    const size_t cells = size_t(rows) * m_d->columns;
    for (size_t i = cells; i < m_d->entries.size(); ++i)
        m_d->unused += viewAt(qsizetype(i)).byteSize();
    auto& entries = m_d->entries;
    if (cells > entries.capacity()) {
        // Sized at once, a table takes exactly its cells; grown a row at a time, it grows
        // by half so that adding rows costs no copy of all the others each time.
        const size_t room = entries.capacity();
        entries.reserve(std::max(cells, room > 0 && cells - entries.size() <= size_t(m_d->columns)
                                            ? room + room / 2
                                            : cells));
    }
    entries.resize(cells);
    if (rows < m_d->rows)
        entries.shrink_to_fit();
    m_d->rows = rows;
    if (m_d->unused > qsizetype(m_d->bytes.size()) / 2)
        compact();
}

void TextTable::clear() {
    if (m_d.use_count() > 1) {
        auto fresh = std::make_shared<Data>();
        fresh->rows = m_d->rows;
        fresh->columns = m_d->columns;
        fresh->entries.resize(m_d->entries.size());
        m_d = std::move(fresh);
        return;
    }
    // The texts that come next are likely as many as before: their room is kept.
    std::fill(m_d->entries.begin(), m_d->entries.end(), Entry());
    m_d->bytes.clear();
    m_d->unused = 0;
}

void TextTable::detach() {
    if (m_d.use_count() > 1)
        m_d = std::make_shared<Data>(*m_d);
}

// Keeps only the texts the cells still show.
void TextTable::compact() {
    std::vector<char, LargeAllocator<char>> kept;
    kept.reserve(m_d->bytes.size() - size_t(m_d->unused));
    for (Entry& entry : m_d->entries) {
        const qsizetype bytes = (entry.sizeAndWide & kWideBit)
                                    ? 2 * qsizetype(entry.sizeAndWide & ~kWideBit)
                                    : qsizetype(entry.sizeAndWide);
        const size_t offset = kept.size();
        kept.insert(kept.end(), m_d->bytes.begin() + entry.offset,
                    m_d->bytes.begin() + entry.offset + bytes);
        entry.offset = uint32_t(offset);
    }
    m_d->bytes = std::move(kept);
    m_d->unused = 0;
}

} // namespace automation
