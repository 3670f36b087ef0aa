#include "store/record_scan.h"

#include <algorithm>
#include <vector>

namespace store {

void forEachRecord(DataFile& file,
                   const std::function<void(int32_t index, const ContactRecord& record)>& visit) {
    constexpr int32_t kRecordsPerRead = 2048;
    const int32_t count = file.count();
    const int32_t position = file.position();
    std::vector<unsigned char> block;
    ContactRecord record;
    for (int32_t first = 0; first < count; first += kRecordsPerRead) {
        const int32_t n = std::min(kRecordsPerRead, count - first);
        block.resize(size_t(n) * ContactRecord::kSize);
        file.readBlock(first, block);
        for (int32_t k = 0; k < n; ++k) {
            std::copy_n(block.begin() + ptrdiff_t(k) * ptrdiff_t(ContactRecord::kSize),
                        ContactRecord::kSize, record.bytes().begin());
            visit(first + k, record);
        }
    }
    file.seek(position);
}

} // namespace store
