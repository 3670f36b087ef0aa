#include "interchange/photo_conversion.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace interchange {

namespace {

constexpr int kJpegQuality = 90;
// A contact's photo is shown in a box of 145 × 121 pixels; a picture of more pixels than
// this is no portrait, and decoding it would take hundreds of megabytes.
constexpr qint64 kMaxConvertedPixels = 8'000'000;

bool isJpeg(const QByteArray& picture) {
    return picture.startsWith("\xFF\xD8\xFF");
}

// The PNG decoder sets aside as much memory as a chunk's header claims before it reads the
// chunk, so a few hundred bytes claiming a 150 MB comment would cost 150 MB. A chunk that
// runs past the end of the picture means the file is broken anyway.
bool isPngWithChunksPastItsEnd(const QByteArray& picture) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1A\n";
    constexpr qsizetype kSignatureSize = sizeof(kSignature) - 1;
    constexpr qsizetype kChunkHead = 8;   // length and type: all the decoder needs to set aside
    constexpr qsizetype kChunkFrame = 12; // and the check sum after the data
    if (!picture.startsWith(QByteArrayView(kSignature, kSignatureSize)))
        return false;
    qsizetype at = kSignatureSize;
    while (picture.size() - at >= kChunkHead) {
        const qint64 length = qFromBigEndian<quint32>(picture.constData() + at);
        if (length > picture.size() - at - kChunkFrame)
            return true;
        if (QByteArrayView(picture).sliced(at + 4, 4) == "IEND")
            return false;
        at += kChunkFrame + length;
    }
    return false;
}

} // namespace

QByteArray jpegPhoto(const QByteArray& picture) {
    QBuffer source;
    source.setData(picture);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    // A JPEG file keeps its own bytes; reading its header is enough to know it is one.
    if (isJpeg(picture)) {
        reader.setFormat("jpeg");
        return reader.size().isValid() ? picture : QByteArray();
    }
    if (isPngWithChunksPastItsEnd(picture))
        return QByteArray();
    // A vector drawing is no photo, and rendering one from a file is work without end.
    const QByteArray format = reader.format();
    if (format.isEmpty() || format.startsWith("svg"))
        return QByteArray();
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxConvertedPixels)
        return QByteArray();
    const QImage image = reader.read();
    if (image.isNull())
        return QByteArray();
    QByteArray jpeg;
    QBuffer target(&jpeg);
    target.open(QIODevice::WriteOnly);
    // JPEG has no transparency: a transparent background becomes white, not black.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    if (!opaque.save(&target, "JPEG", kJpegQuality))
        return QByteArray();
    return jpeg;
}

} // namespace interchange
