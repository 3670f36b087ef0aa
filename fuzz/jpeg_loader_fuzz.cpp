// Feeds arbitrary bytes to the JPEG loader: as a file of their own, and as damage done
// to small valid pictures (baseline, progressive, grey), at a box size taken from the
// input. Nothing may crash; every failure must be the loader's PictureError; a decoded
// picture must cover the size it is shown at.
#include "photos/jpeg_loader.h"
#include "photos/photo_view.h"
#include "photos/picture_error.h"

#include <QBuffer>
#include <QImageWriter>
#include <QList>
#include <QPainter>

#include <cstdint>
#include <cstdlib>

namespace {

// Small limits keep every input quick and every allocation small; the refusal paths
// they take are the ones a huge forged header takes in the program.
const photos::JpegLimits kLimits{4'000'000ULL, 32L * 1024 * 1024};

QByteArray encoded(const QImage& picture, bool progressive, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(picture))
        std::abort();
    return bytes;
}

const QList<QByteArray>& validPictures() {
    static const QList<QByteArray> pictures = [] {
        QImage colour(48, 40, QImage::Format_RGB32);
        colour.fill(QColor(200, 40, 40));
        QPainter painter(&colour);
        painter.fillRect(0, 0, 24, 20, Qt::black);
        painter.drawLine(0, 39, 47, 0);
        painter.end();
        return QList<QByteArray>{
            encoded(colour, false, 90), encoded(colour, true, 75),
            encoded(colour.convertToFormat(QImage::Format_Grayscale8), false, 50)};
    }();
    return pictures;
}

void decode(const QByteArray& bytes, const QSize& box) {
    try {
        const photos::Picture picture = photos::decodeJpeg(bytes, box, kLimits);
        const QSize shown =
            box.isEmpty() ? picture.fullSize : photos::fittedPhotoSize(picture.fullSize, box);
        if (picture.image.isNull() || picture.image.width() < shown.width() ||
            picture.image.height() < shown.height())
            std::abort();
        // A sliver of a picture may truncate to nothing at all in the box.
        const QImage fitted = box.isEmpty() ? picture.image : photos::fitPhoto(picture, box);
        if (shown.isEmpty() ? !fitted.isNull() && fitted.size() != shown : fitted.size() != shown)
            std::abort();
    } catch (const photos::PictureError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    // Box sides 0 (no box: full size) to 315 in steps of 5.
    const QSize box(data[0] % 64 * 5, data[1] % 64 * 5);
    const QByteArray& valid = validPictures()[data[2] % validPictures().size()];
    const QByteArray input(reinterpret_cast<const char*>(data + 3), qsizetype(size - 3));

    decode(input, box);

    // Each three bytes overwrite one byte of the valid picture: two give the place, one
    // the value. Any rest cuts the picture short at a place it chooses.
    QByteArray damaged = valid;
    qsizetype i = 0;
    for (; i + 3 <= input.size(); i += 3) {
        const int place = (uint8_t(input[i]) << 8 | uint8_t(input[i + 1])) % damaged.size();
        damaged[place] = input[i + 2];
    }
    if (i < input.size())
        damaged.truncate(uint8_t(input[i]) * damaged.size() / 256 + 1);
    decode(damaged, box);
    return 0;
}
