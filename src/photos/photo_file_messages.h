#pragma once

#include <QString>

#include <system_error>

// The notices shown when a photo file could not be written or removed: what did not
// happen and why, in words the user can act on.
namespace photo_file_messages {

// After a failed copy of a chosen picture into the images folder under the full name.
QString copyFailed(const QString& imagesFolder, const QString& fullName,
                   const std::error_code& error);

// After a failed deletion of the photo file `path` from the images folder.
QString deleteFailed(const QString& path, const QString& imagesFolder,
                     const std::error_code& error);

} // namespace photo_file_messages
