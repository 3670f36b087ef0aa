#include "store/photo_path_updates.h"

#include "store/codec1251.h"
#include "store/data_file_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace store {

namespace {

using RecordBytes = std::span<unsigned char, ContactRecord::kSize>;

// Rewrites a record as an update writes it: every text cut to its field, zeros after each
// text, and the given photo path. Every byte decodes and encodes back to itself, so
// storing a text read from the record keeps its length (cut to the capacity) and bytes.
void rewriteWithPhotoPath(RecordBytes record, const QString& photoPath) {
    const auto zerosAfter = [&](int at, int length, int capacity) {
        record[size_t(at)] = static_cast<unsigned char>(length);
        std::fill(record.begin() + at + 1 + length, record.begin() + at + 1 + capacity, 0);
    };
    for (ContactField field : kTextFields) {
        const int at = ContactRecord::offset(field);
        zerosAfter(at, std::min<int>(record[size_t(at)], ContactRecord::kTextCapacity),
                   ContactRecord::kTextCapacity);
    }
    const int at = ContactRecord::offset(ContactField::PhotoPath);
    const int length = encode1251(photoPath, reinterpret_cast<char*>(record.data()) + at + 1,
                                  ContactRecord::kPathCapacity);
    zerosAfter(at, length, ContactRecord::kPathCapacity);
}

} // namespace

ContactRecord withPhotoPath(const ContactRecord& record, const QString& photoPath) {
    ContactRecord result = record;
    rewriteWithPhotoPath(result.bytes(), photoPath);
    return result;
}

QString applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                              const std::function<QString(const ContactRecord&)>& pathFor) {
    const int32_t count = file.count();
    if (onShow < 0 || onShow >= count)
        throw DataFileError::fromErrno(EINVAL);
    // One buffer, changed in place; left uninitialised, as the read fills every byte.
    const size_t size = size_t(count) * ContactRecord::kSize;
    const std::unique_ptr<unsigned char[]> bytes(new unsigned char[size]);
    file.readBlock(0, {bytes.get(), size});
    // The records before the one on show move up one place to make room for it.
    std::memmove(bytes.get() + ContactRecord::kSize, bytes.get(),
                 size_t(onShow) * ContactRecord::kSize);
    std::memcpy(bytes.get(), shown.bytes().data(), ContactRecord::kSize);
    ContactRecord record;
    for (int32_t k = 1; k < count; ++k) {
        const RecordBytes at(bytes.get() + size_t(k) * ContactRecord::kSize, ContactRecord::kSize);
        std::copy(at.begin(), at.end(), record.bytes().begin());
        rewriteWithPhotoPath(at, pathFor(record));
    }
    file.replaceWhole({bytes.get(), size});
    std::copy_n(bytes.get() + size - ContactRecord::kSize, ContactRecord::kSize,
                record.bytes().begin());
    return record.field(ContactField::PhotoPath);
}

} // namespace store
