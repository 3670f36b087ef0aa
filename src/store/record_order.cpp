#include "store/record_order.h"

#include "store/data_file_error.h"

#include <cerrno>
#include <vector>

namespace store {

namespace {

// The records after `index`, as they are in the file.
std::vector<unsigned char> recordsAfter(DataFile& file, int32_t index) {
    const int32_t count = file.count();
    if (index < 0 || index >= count)
        throw DataFileError::fromErrno(EINVAL);
    std::vector<unsigned char> tail(size_t(count - index - 1) * ContactRecord::kSize);
    file.readBlock(index + 1, tail);
    return tail;
}

} // namespace

void appendRecord(DataFile& file, const ContactRecord& record) {
    file.replaceFrom(file.count(), {record.bytes()});
}

void RemoveRecordAt(DataFile& file, int32_t index) {
    const std::vector<unsigned char> tail = recordsAfter(file, index);
    file.replaceFrom(index, {tail});
}

void moveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed) {
    const std::vector<unsigned char> tail = recordsAfter(file, index);
    file.replaceFrom(index, {tail, changed.bytes()});
}

void removeAllRecords(DataFile& file) {
    file.replaceFrom(0, {});
}

} // namespace store
