#pragma once

#include <QByteArray>

namespace interchange {

// The photo as a JPEG file's bytes: a JPEG picture as it is, a picture in any other
// format Qt reads (PNG, GIF, BMP ...) converted; empty for bytes that are no picture, for
// a drawing (SVG), for a PNG whose chunks claim more bytes than it holds, and for a
// picture of more than 8 megapixels.
QByteArray jpegPhoto(const QByteArray& picture);

} // namespace interchange
