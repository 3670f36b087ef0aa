#include "store/photo_path_updates.h"

#include "store/data_file_error.h"
#include "store/record_order.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace store {

namespace {

ContactRecord recordAt(const std::vector<unsigned char>& bytes, int32_t index) {
    ContactRecord record;
    std::memcpy(record.bytes().data(), bytes.data() + size_t(index) * ContactRecord::kSize,
                ContactRecord::kSize);
    return record;
}

void put(std::vector<unsigned char>& bytes, int32_t index, const ContactRecord& record) {
    std::memcpy(bytes.data() + size_t(index) * ContactRecord::kSize, record.bytes().data(),
                ContactRecord::kSize);
}

} // namespace

ContactRecord withPhotoPath(const ContactRecord& record, const QString& photoPath) {
    // Every byte decodes and encodes back to itself, so storing a text read from the
    // record copies its length (cut to the capacity) and its bytes.
    ContactRecord result;
    for (ContactField field : kTextFields) {
        const int at = ContactRecord::offset(field);
        const int length = std::min<int>(record.bytes()[at], ContactRecord::capacity(field));
        std::copy_n(record.bytes().begin() + at, 1 + length, result.bytes().begin() + at);
        result.bytes()[at] = static_cast<unsigned char>(length);
    }
    result.store(ContactField::PhotoPath, photoPath);
    return result;
}

void applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                           const std::function<QString(const ContactRecord&)>& pathFor) {
    const int32_t count = file.count();
    if (onShow < 0 || onShow >= count)
        throw DataFileError::fromErrno(EINVAL);
    if (count < 2)
        return;

    // The updates take the record on show, then the others from the top; the last of
    // them waits at the top, unchanged, for the caller's update.
    const int32_t waiting = onShow == count - 1 ? count - 2 : count - 1;
    ContactRecord record;
    file.seek(waiting);
    file.read(record);

    // The new order goes after the old records a block at a time, then over them.
    std::vector<unsigned char> updated(size_t(kRecordsPerBlock) * ContactRecord::kSize);
    int32_t pending = 0;
    int32_t appended = 0;
    auto add = [&](const ContactRecord& next) {
        put(updated, pending++, next);
        if (pending == kRecordsPerBlock) {
            file.writeBlock(count + appended, updated);
            appended += pending;
            pending = 0;
        }
    };
    add(record);
    add(shown);
    std::vector<unsigned char> old;
    for (int32_t first = 0; first < count; first += kRecordsPerBlock) {
        old.resize(size_t(std::min(kRecordsPerBlock, count - first)) * ContactRecord::kSize);
        file.readBlock(first, old);
        for (int32_t k = first; k < first + int32_t(old.size() / ContactRecord::kSize); ++k) {
            if (k == onShow || k == waiting)
                continue;
            record = recordAt(old, k - first);
            add(withPhotoPath(record, pathFor(record)));
        }
    }
    file.writeBlock(count + appended,
                    std::span(updated).first(size_t(pending) * ContactRecord::kSize));

    copyRecordsDown(file, count, 0, count);
    file.seek(count);
    file.cut();
}

} // namespace store
