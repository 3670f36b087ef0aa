#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <cstdint>

namespace store {

// The order rules of the data file: new records are appended, deleting a record moves
// every later record up by one, and a changed record moves to the end. Each operation is
// one change of the file (DataFile::replaceFrom): after an interruption at any point the
// file holds exactly what it held before or exactly what the operation leaves.

// Appends the record as the file's last record.
void appendRecord(DataFile& file, const ContactRecord& record);

// Removes record `index` (0 <= index < count): the later records move up by one and the
// file ends one record shorter, positioned at its end.
void RemoveRecordAt(DataFile& file, int32_t index);

// Replaces record `index` by `changed`, which becomes the last record.
void moveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed);

// Removes every record: the file is empty.
void removeAllRecords(DataFile& file);

} // namespace store
