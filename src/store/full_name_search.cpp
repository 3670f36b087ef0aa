#include "store/full_name_search.h"

#include "store/codec1251.h"
#include "store/contact_record.h"
#include "store/search_collation.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>
#include <vector>

namespace store {

namespace {

constexpr int32_t kRecordsPerBlock = (1 << 20) / int32_t(ContactRecord::kSize);

// Calls `visit(index, nameBytes, nameLength)` for every record in file order until it
// returns false.
void forEachFullName(DataFile& file, const std::function<bool(int32_t, const char*, int)>& visit) {
    const int32_t count = file.count();
    const int nameAt = ContactRecord::offset(ContactField::FullName);
    const int capacity = ContactRecord::capacity(ContactField::FullName);
    std::vector<unsigned char> block;
    for (int32_t first = 0; first < count; first += kRecordsPerBlock) {
        const int32_t records = std::min(kRecordsPerBlock, count - first);
        block.resize(size_t(records) * ContactRecord::kSize);
        file.readBlock(first, block);
        for (int32_t k = 0; k < records; ++k) {
            const unsigned char* field = block.data() + size_t(k) * ContactRecord::kSize + nameAt;
            const int length = std::min<int>(field[0], capacity);
            if (!visit(first + k, reinterpret_cast<const char*>(field + 1), length))
                return;
        }
    }
}

} // namespace

QStringList readFullNames(DataFile& file) {
    QStringList names;
    names.reserve(file.count());
    forEachFullName(file, [&names](int32_t, const char* bytes, int length) {
        names.append(decode1251(bytes, length));
        return true;
    });
    return names;
}

std::optional<int32_t> findFullName(DataFile& file, const QString& name) {
    // Compared on code-page bytes; a text the code page cannot hold matches nothing.
    const QByteArray wanted = encode1251(name);
    if (decode1251(wanted) != name)
        return std::nullopt;
    std::optional<int32_t> found;
    forEachFullName(file, [&](int32_t index, const char* bytes, int length) {
        if (length == wanted.size() && std::memcmp(bytes, wanted.constData(), length) == 0) {
            found = index;
            return false;
        }
        return true;
    });
    return found;
}

QStringList sortedForSearchList(const QStringList& names) {
    static const QCollator collator = searchListCollator();
    static const SearchCollationTable table(collator);
    std::optional<std::vector<int>> order = table.order(names);
    if (!order) {
        // Sort keys turn each comparison into a byte comparison: one collation per name.
        std::vector<QCollatorSortKey> keys;
        keys.reserve(names.size());
        for (const QString& name : names)
            keys.push_back(collator.sortKey(name));
        order.emplace(names.size());
        std::iota(order->begin(), order->end(), 0);
        std::stable_sort(order->begin(), order->end(),
                         [&keys](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    }
    QStringList sorted;
    sorted.reserve(names.size());
    for (const int k : *order)
        sorted.append(names[k]);
    return sorted;
}

} // namespace store
