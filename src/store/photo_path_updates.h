#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace store {

// The photo path refresh updates the record on show n times (n = record count), each time
// with the photo path the images folder gives its name; every update moves the record
// to the end of the file and shows the first one. Done literally, that moves the whole
// file n times and passes through n - 1 states that are neither before nor after. This
// makes the result in one change of the file: the record on show first, as `shown`, then
// the others in their order, each with its five texts as storing them again leaves them
// (cut to their fields, zeros after each) and the photo path `update` sets (its whole
// field). Returns the photo path of the last record, the one the last update stored.
QString applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                              const std::function<void(ContactRecord&)>& update);

} // namespace store
