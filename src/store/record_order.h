#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <cstdint>

namespace store {

// The order rules of the data file: new records are appended, deleting a record moves
// every later record up by one, and a changed record moves to the end.

// About a mebibyte of whole records: the unit of reads and writes when records move.
constexpr int32_t kRecordsPerBlock = (1 << 20) / int32_t(ContactRecord::kSize);

// Copies `records` records from `from` on to `to` on (to <= from), a block at a time in
// increasing order, so an interruption leaves every record at least once in the file.
void copyRecordsDown(DataFile& file, int32_t from, int32_t to, int32_t records);

// Appends the record as the file's last record.
void appendRecord(DataFile& file, const ContactRecord& record);

// Removes record `index` (0 <= index < count): the later records move up by one and the
// file ends one record shorter, positioned at its end. The tail moves in large blocks,
// in increasing order, so an interruption leaves every record at least once in the file.
void RemoveRecordAt(DataFile& file, int32_t index);

// Replaces record `index` by `changed`, which becomes the last record. The new version
// is appended before the old one is removed: an interruption at any step leaves the old
// version, or both, never neither.
void moveChangedRecordToEnd(DataFile& file, int32_t index, const ContactRecord& changed);

} // namespace store
