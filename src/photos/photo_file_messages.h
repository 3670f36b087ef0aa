#pragma once

#include <QString>

#include <system_error>

namespace photos {

// The notices shown when a photo file could not be written or removed: what did not
// happen and why, in words the user can act on.

// After a failed copy of a chosen picture into the images folder under the full name.
QString copyFailedMessage(const QString& imagesFolder, const QString& fullName,
                          const std::error_code& error);

// After a failed deletion of the photo file `path` from the images folder.
QString deleteFailedMessage(const QString& path, const QString& imagesFolder,
                            const std::error_code& error);

} // namespace photos
