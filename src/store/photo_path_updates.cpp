#include "store/photo_path_updates.h"

#include "store/data_file_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace store {

namespace {

// Every text cut to its field with zeros after it, as storing the text read from the
// record leaves a fresh record: every byte decodes and encodes back to itself.
void cutTexts(ContactRecord& record) {
    for (ContactField field : kTextFields) {
        unsigned char* text = record.bytes().data() + ContactRecord::offset(field);
        text[0] = std::min<unsigned char>(text[0], ContactRecord::kTextCapacity);
        std::fill(text + 1 + text[0], text + 1 + ContactRecord::kTextCapacity, 0);
    }
}

} // namespace

QString applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                              const std::function<void(ContactRecord&)>& update) {
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
        unsigned char* at = bytes.get() + size_t(k) * ContactRecord::kSize;
        std::copy_n(at, ContactRecord::kSize, record.bytes().begin());
        cutTexts(record);
        update(record);
        std::copy_n(record.bytes().begin(), ContactRecord::kSize, at);
    }
    file.replaceWhole({bytes.get(), size});
    std::copy_n(bytes.get() + size - ContactRecord::kSize, ContactRecord::kSize,
                record.bytes().begin());
    return record.field(ContactField::PhotoPath);
}

} // namespace store
