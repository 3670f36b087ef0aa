#include "store/record_order.h"

#include "store/data_file_error.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace store {

void appendRecord(DataFile& file, const ContactRecord& record) {
    file.seek(file.count());
    file.write(record);
}

void copyRecordsDown(DataFile& file, int32_t from, int32_t to, int32_t records) {
    std::vector<unsigned char> block;
    for (int32_t done = 0; done < records; done += kRecordsPerBlock) {
        const int32_t n = std::min(kRecordsPerBlock, records - done);
        block.resize(size_t(n) * ContactRecord::kSize);
        file.readBlock(from + done, block);
        file.writeBlock(to + done, block);
    }
}

void RemoveRecordAt(DataFile& file, int32_t index) {
    const int32_t count = file.count();
    if (index < 0 || index >= count)
        throw DataFileError::fromErrno(EINVAL);
    copyRecordsDown(file, index + 1, index, count - index - 1);
    file.seek(count - 1);
    file.cut();
}

void moveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed) {
    if (index < 0 || index >= file.count())
        throw DataFileError::fromErrno(EINVAL);
    appendRecord(file, changed);
    RemoveRecordAt(file, index);
}

} // namespace store
