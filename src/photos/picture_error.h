#pragma once

#include <QString>

#include <stdexcept>

namespace photos {

// A picture that cannot be shown: "JPEG error #N" with libjpeg's message code, or
// "Unknown picture file extension (.ext)".
class PictureError : public std::runtime_error {
public:
    explicit PictureError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

} // namespace photos
