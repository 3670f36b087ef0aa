#include "store/photo_path_updates.h"

#include "store/data_file_error.h"

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

QString applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                              const std::function<QString(const ContactRecord&)>& pathFor) {
    const int32_t count = file.count();
    if (onShow < 0 || onShow >= count)
        throw DataFileError::fromErrno(EINVAL);
    std::vector<unsigned char> old(size_t(count) * ContactRecord::kSize);
    file.readBlock(0, old);
    std::vector<unsigned char> updated(old.size());
    put(updated, 0, shown);
    ContactRecord last = shown;
    int32_t next = 1;
    for (int32_t k = 0; k < count; ++k) {
        if (k == onShow)
            continue;
        const ContactRecord record = recordAt(old, k);
        last = withPhotoPath(record, pathFor(record));
        put(updated, next++, last);
    }
    file.replaceFrom(0, {updated}, old);
    return last.field(ContactField::PhotoPath);
}

} // namespace store
