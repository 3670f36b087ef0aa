#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>

namespace photos {

// Decodes JPEG pictures with libjpeg. A damaged picture raises PictureError
// ("JPEG error #N") instead of ending the process.

// A decoded picture and the size the file holds it at; `image` may be smaller when it was
// decoded for a box.
struct Picture {
    QImage image;
    QSize fullSize;
};

// What a file may make the decoder allocate. The defaults lie beyond any camera's photo;
// a header that claims more is refused ("JPEG error #N") before anything is allocated.
struct JpegLimits {
    unsigned long long maxPixels = 200'000'000ULL;
    // libjpeg's whole-image buffers, which progressive and multi-scan files need.
    long maxLibraryMemory = 768L * 1024 * 1024;
    // A progressive photo has about ten scans; each scan is a pass over the picture.
    int maxScans = 256;
    // 8 x 8 blocks taken in over all scans: a progressive 100-megapixel photo takes in
    // about half of it, and the whole of it takes about half a second.
    unsigned long long maxBlocksDecoded = 32'000'000ULL;
};

// Picture files larger than this are not read (the largest camera photos are far below).
constexpr int64_t kMaxPictureFileBytes = int64_t(128) << 20;

// Decodes the bytes. With a non-empty `fitInto`, libjpeg's DCT scaling decodes at the
// smallest of 1/8, 2/8, ... 8/8 of full size that still covers the picture's fitted size
// in that box, so a large photo costs only what the box shows. A file that ends early
// counts as damaged. A decode that goes past the limits' scans or blocks stops with a
// PictureError that says so.
Picture decodeJpeg(const QByteArray& bytes, const QSize& fitInto = QSize(),
                   const JpegLimits& limits = JpegLimits());

// Loads a picture file by its extension (".jpg", ".jpeg", ".jpe", ".jfif", any case);
// another extension raises "Unknown picture file extension (.ext)". Only a regular file
// of at most kMaxPictureFileBytes is read; anything else raises PictureError.
Picture loadJpegFile(const QString& path, const QSize& fitInto = QSize());

} // namespace photos
