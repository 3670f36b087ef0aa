#pragma once

#include <QString>

namespace platform {

// The title that captions plain message boxes: the executable's file name without folder
// and extension, its first letter as it is and the rest in lower case.
QString applicationTitleFor(const QString& executablePath);
QString applicationTitle();

} // namespace platform
