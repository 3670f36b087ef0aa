#pragma once

#include <QtGlobal>

// Byte layout of a theme file: a 41-byte header naming the first entry record, then a
// chain of 77-byte records, each naming its data and the next record. All integers are
// little-endian; offsets count from the start of the file.
namespace skin::themes {

inline constexpr int kHeaderSize = 41;
inline constexpr int kHeaderSizeField = 12;  // declared header size, 4 bytes
inline constexpr int kFirstRecordField = 20; // offset of the first record, 4 bytes

inline constexpr int kRecordSize = 77;
inline constexpr int kKeySize = 64; // NUL-padded; a 64-character key has no NUL
inline constexpr int kKindField = 64;
inline constexpr int kDataOffsetField = 65;
inline constexpr int kDataSizeField = 69;
inline constexpr int kNextRecordField = 73; // 0 ends the chain; that record is no entry

enum class EntryKind : quint8 { Image = 0, Integer = 1, Boolean = 2, String = 3 };

// A chain longer than this, or one that comes back to a record, ends there.
inline constexpr int kMaxRecords = 4096;

} // namespace skin::themes
