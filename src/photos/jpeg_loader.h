#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Decodes JPEG pictures with libjpeg. A damaged picture raises PictureError
// ("JPEG error #N" with libjpeg's message code) instead of ending the process.
namespace jpeg {

struct Picture {
    QImage image;   // the decoded pixels, possibly at a reduced scale
    QSize fullSize; // the picture's own size, as its header states it
};

// Decodes the bytes. With a non-empty `fitInto`, libjpeg's DCT scaling decodes at the
// smallest of 1/8, 2/8, ... 8/8 of full size that still covers the box, so a large
// photo costs only what the box shows. A file that ends early counts as damaged.
Picture decode(const QByteArray& bytes, const QSize& fitInto = QSize());

// Loads a picture file by its extension (".jpg", ".jpeg", ".jpe", ".jfif", any case);
// another extension raises "Unknown picture file extension (.ext)".
Picture loadFile(const QString& path, const QSize& fitInto = QSize());

} // namespace jpeg
