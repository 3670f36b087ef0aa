#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <cstdint>
#include <functional>

namespace store {

// Calls `visit` with each record of the file and its number, in file order, reading the
// file in blocks; the file's position is kept.
void forEachRecord(DataFile& file,
                   const std::function<void(int32_t index, const ContactRecord& record)>& visit);

} // namespace store
