#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Decodes JPEG pictures with libjpeg. A damaged picture raises PictureError
// ("JPEG error #N") instead of ending the process.
namespace jpeg {

// A decoded picture and the size the file holds it at; `image` may be smaller when it was
// decoded for a box.
struct Picture {
    QImage image;
    QSize fullSize;
};

// Decodes the bytes. With a non-empty `fitInto`, libjpeg's DCT scaling decodes at the
// smallest of 1/8, 2/8, ... 8/8 of full size that still covers the picture's fitted size
// in that box, so a large photo costs only what the box shows.
Picture decode(const QByteArray& bytes, const QSize& fitInto = QSize());

// Loads a picture file by its extension (".jpg", ".jpeg", ".jpe", ".jfif", any case);
// another extension raises "Unknown picture file extension (.ext)".
Picture loadFile(const QString& path, const QSize& fitInto = QSize());

} // namespace jpeg
