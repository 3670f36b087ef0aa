#include "photos/photo_path_refresh.h"

#include "store/data_file_error.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr ContactField kTexts[] = {ContactField::FullName, ContactField::Address,
                                   ContactField::Telephone, ContactField::Workplace,
                                   ContactField::Email};

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
    ContactRecord result;
    for (ContactField field : kTexts)
        result.store(field, record.field(field));
    result.store(ContactField::PhotoPath, photoPath);
    return result;
}

void ApplyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                           const std::function<QString(const ContactRecord&)>& pathFor) {
    const int32_t count = file.count();
    if (onShow < 0 || onShow >= count)
        throw DataFileError::fromErrno(EINVAL);
    if (count < 2)
        return;
    std::vector<unsigned char> old(size_t(count) * ContactRecord::kSize);
    file.readBlock(0, old);

    // The updates take the record on show, then the others from the top; the last of
    // them waits at the top, unchanged, for the caller's update.
    const int32_t waiting = onShow == count - 1 ? count - 2 : count - 1;
    std::vector<unsigned char> updated(old.size());
    int32_t at = 0;
    put(updated, at++, recordAt(old, waiting));
    put(updated, at++, shown);
    for (int32_t k = 0; k < count; ++k) {
        if (k == onShow || k == waiting)
            continue;
        const ContactRecord record = recordAt(old, k);
        put(updated, at++, withPhotoPath(record, pathFor(record)));
    }

    file.writeBlock(count, updated);
    file.writeBlock(0, updated);
    file.seek(count);
    file.cut();
}
