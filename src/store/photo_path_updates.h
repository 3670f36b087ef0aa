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
// file n times. This does the first n - 1 updates in two passes and leaves the file as
// they leave it: the last record still to be updated first, then the record that was on
// show (as `shown`), then the others in their order, each with the path `pathFor` gives
// it. The last update is the caller's: it shows record 0 and updates it as usual.
//
// The new order is appended after the old records before it is copied over them, so an
// interruption leaves every record in the file at least once.
void applyPhotoPathUpdates(DataFile& file, int32_t onShow, const ContactRecord& shown,
                           const std::function<QString(const ContactRecord&)>& pathFor);

// The record with its five texts and the given photo path, zeros after each text, as an
// update writes it.
ContactRecord withPhotoPath(const ContactRecord& record, const QString& photoPath);

} // namespace store
