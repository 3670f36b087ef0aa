#include "store/record_order.h"

#include "store/data_file_error.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

// About a mebibyte of whole records per read and write while a tail moves up.
constexpr int32_t kRecordsPerBlock = (1 << 20) / int32_t(ContactRecord::kSize);

} // namespace

void AppendRecord(DataFile& file, const ContactRecord& record) {
    file.seek(file.count());
    file.write(record);
}

void RemoveRecordAt(DataFile& file, int32_t index) {
    const int32_t count = file.count();
    if (index < 0 || index >= count)
        throw DataFileError::fromErrno(EINVAL);
    std::vector<unsigned char> block;
    for (int32_t from = index + 1; from < count; from += kRecordsPerBlock) {
        const int32_t records = std::min(kRecordsPerBlock, count - from);
        block.resize(size_t(records) * ContactRecord::kSize);
        file.readBlock(from, block);
        file.writeBlock(from - 1, block);
    }
    file.seek(count - 1);
    file.cut();
}

void MoveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed) {
    if (index < 0 || index >= file.count())
        throw DataFileError::fromErrno(EINVAL);
    AppendRecord(file, changed);
    RemoveRecordAt(file, index);
}
