#include "interchange/photo_conversion.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QtEndian>

using interchange::jpegPhoto;

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage decodedJpeg(const QByteArray& jpeg) {
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));
    return QImage::fromData(jpeg, "JPEG");
}

// A PNG with a comment chunk, and the offset of that chunk's length field.
QByteArray pngWithComment(qsizetype* lengthAt) {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    image.setText(QStringLiteral("Comment"), QStringLiteral("Created by hand"));
    const QByteArray png = encoded(image, "PNG");
    *lengthAt = png.indexOf("tEXt") - 4;
    return png;
}

} // namespace

TEST(PhotoConversion, OtherFormatsBecomeJpegOnWhite) {
    // A red block the size of a JPEG block in the corner, the rest transparent.
    QImage transparent(16, 12, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            transparent.setPixelColor(x, y, Qt::red);
    for (const char* format : {"PNG", "BMP", "PPM"}) {
        SCOPED_TRACE(format);
        const QImage photo = decodedJpeg(jpegPhoto(encoded(transparent, format)));
        ASSERT_EQ(photo.size(), QSize(16, 12));
        if (QByteArray(format) == "PNG") {
            // Transparency turns white, not black, and the red corner stays red.
            EXPECT_GT(qGray(photo.pixel(15, 11)), 245);
            const QRgb corner = photo.pixel(2, 2);
            EXPECT_GT(qRed(corner), 200);
            EXPECT_LT(qGreen(corner), 60);
        }
    }
}

TEST(PhotoConversion, NoPhotoFromWhatIsNoPortrait) {
    EXPECT_TRUE(jpegPhoto("not a picture").isEmpty());
    EXPECT_TRUE(jpegPhoto(QByteArray()).isEmpty());
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                           "<rect width='10' height='10' fill='red'/></svg>";
    EXPECT_TRUE(jpegPhoto(svg).isEmpty());
    // Over 8 megapixels: refused from the header, before anything is decoded.
    QImage huge(4000, 2001, QImage::Format_Mono);
    huge.fill(0);
    EXPECT_TRUE(jpegPhoto(encoded(huge, "PNG")).isEmpty());
    QImage large(4000, 2000, QImage::Format_Mono);
    large.fill(0);
    EXPECT_EQ(decodedJpeg(jpegPhoto(encoded(large, "PNG"))).size(), QSize(4000, 2000));
}

TEST(PhotoConversion, APngWhoseChunkClaimsMoreThanItHoldsIsRefused) {
    qsizetype lengthAt = 0;
    const QByteArray honest = pngWithComment(&lengthAt);
    ASSERT_GT(lengthAt, 8);
    EXPECT_EQ(decodedJpeg(jpegPhoto(honest)).size(), QSize(6, 4));

    // A comment claiming 150 MB in a picture of a few hundred bytes. (That the decoder never
    // sets the 150 MB aside is what the vCard fuzzer's seed of this shape checks, under its
    // 64 MB allocation limit.)
    QByteArray lying = honest;
    qToBigEndian<quint32>(150'000'000, lying.data() + lengthAt);
    EXPECT_TRUE(jpegPhoto(lying).isEmpty());
    // One byte more than the rest of the file is already too much.
    qToBigEndian<quint32>(quint32(honest.size() - lengthAt - 12 + 1), lying.data() + lengthAt);
    EXPECT_TRUE(jpegPhoto(lying).isEmpty());
    // Cut right after the lying chunk's length and type, the least the decoder reads.
    EXPECT_TRUE(jpegPhoto(lying.first(lengthAt + 8)).isEmpty());
    // Cut short inside the picture's data.
    EXPECT_TRUE(jpegPhoto(honest.first(honest.indexOf("IDAT") + 8)).isEmpty());
}
