#include "store/record_order.h"

#include "store/data_file_error.h"

#include <cerrno>
#include <vector>

namespace store {

namespace {

// The records from `index` on, as they are in the file.
std::vector<unsigned char> recordsFrom(DataFile& file, int32_t index) {
    const int32_t count = file.count();
    if (index < 0 || index >= count)
        throw DataFileError::fromErrno(EINVAL);
    std::vector<unsigned char> records(size_t(count - index) * ContactRecord::kSize);
    file.readBlock(index, records);
    return records;
}

} // namespace

void appendRecord(DataFile& file, const ContactRecord& record) {
    file.replaceFrom(file.count(), {record.bytes()});
}

void RemoveRecordAt(DataFile& file, int32_t index) {
    const std::vector<unsigned char> old = recordsFrom(file, index);
    file.replaceFrom(index, {std::span(old).subspan(ContactRecord::kSize)}, old);
}

void moveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed) {
    const std::vector<unsigned char> old = recordsFrom(file, index);
    file.replaceFrom(index, {std::span(old).subspan(ContactRecord::kSize), changed.bytes()}, old);
}

void removeAllRecords(DataFile& file) {
    file.replaceFrom(0, {});
}

} // namespace store
