#pragma once

#include <QString>

#include <system_error>

namespace store {

// Copies `source` over `target` so that `target` is either its old self or a complete
// copy: the bytes go into a temporary file beside the target, reach the disk, and then
// take the target's name in one rename, which replaces a link named `target` and never
// writes where it points, and which is made durable by flushing the folder. Only a regular
// file is copied (see platform::RegularFile). Copying a file onto itself leaves it as it
// is. Returns the file system's error, or an empty code on success.
// A scratch copy (the size copy Baza1.dat) is not pushed to the disk and is no change of
// the base's files: losing it in a power cut costs nothing.
enum class CopyDurability { Durable, Scratch };
std::error_code replaceWithCopy(const QString& source, const QString& target,
                                CopyDurability durability = CopyDurability::Durable);

// Temporary files of the program start with this; a kill can leave them behind.
inline const QString kTemporaryPrefix = QStringLiteral(".kalmo-");

// Creates a new empty file beside `path` (in its folder), exclusively, named with
// kTemporaryPrefix, and sets `temporary` to its path. Returns its descriptor, or -1 with
// `error` set. A durable one is a change of the base's files (store/file_changes.h); a
// scratch one passes by the change hook.
int createTemporaryBeside(const QString& path, QString& temporary, std::error_code& error,
                          CopyDurability durability = CopyDurability::Durable);

// Removes the files left by interrupted copies and reports in `folder`: plain files and
// links whose names start with kTemporaryPrefix. Nothing else is touched.
void removeStaleTemporariesIn(const QString& folder);

} // namespace store
