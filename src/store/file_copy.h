#pragma once

#include <QString>

#include <system_error>

namespace store {

// Copies `source` over `target` so that `target` is either its old self or a complete
// copy: the bytes go into a temporary file beside the target, reach the disk, and then
// take the target's name in one rename. Copying a file onto itself leaves it as it is.
// Returns the file system's error, or an empty code on success.
std::error_code replaceWithCopy(const QString& source, const QString& target);

} // namespace store
