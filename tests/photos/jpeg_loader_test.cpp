#include "photos/jpeg_loader.h"
#include "photos/picture_error.h"
#include "support/jpeg_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <jerror.h>

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const photos::PictureError& error) {
        return error.what();
    }
    return "no error";
}

std::string jpegError(int code) {
    return "JPEG error #" + std::to_string(code);
}

bool near(QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) < 24 && std::abs(qGreen(a) - b.green()) < 24 &&
           std::abs(qBlue(a) - b.blue()) < 24;
}

} // namespace

TEST(JpegLoader, DecodesAtFullSizeWithoutABox) {
    const QByteArray bytes = jpeg_fixture::encode(jpeg_fixture::markedPicture({64, 48}, Qt::red));
    const photos::Picture picture = photos::decodeJpeg(bytes);
    EXPECT_EQ(picture.fullSize, QSize(64, 48));
    EXPECT_EQ(picture.image.size(), QSize(64, 48));
    // The black quarter stays top-left, the rest keeps its colour.
    EXPECT_TRUE(near(picture.image.pixel(4, 4), Qt::black));
    EXPECT_TRUE(near(picture.image.pixel(60, 44), Qt::red));
    EXPECT_TRUE(near(picture.image.pixel(60, 4), Qt::red));
}

TEST(JpegLoader, DctScalingDecodesNoSmallerThanTheBoxNeeds) {
    const QByteArray bytes =
        jpeg_fixture::encode(jpeg_fixture::markedPicture({1600, 1200}, Qt::blue));
    // 1/8 gives 200 x 150, which still covers a 145 x 121 box.
    photos::Picture picture = photos::decodeJpeg(bytes, QSize(145, 121));
    EXPECT_EQ(picture.fullSize, QSize(1600, 1200));
    EXPECT_EQ(picture.image.size(), QSize(200, 150));
    EXPECT_TRUE(near(picture.image.pixel(190, 140), Qt::blue));

    // A 290 x 250 box shows 290 x 217: 1/8 falls short, 2/8 = 400 x 300 covers it.
    picture = photos::decodeJpeg(bytes, QSize(290, 250));
    EXPECT_EQ(picture.image.size(), QSize(400, 300));

    // A picture no larger than the box is decoded whole.
    const QByteArray small =
        jpeg_fixture::encode(jpeg_fixture::markedPicture({145, 121}, Qt::blue));
    EXPECT_EQ(photos::decodeJpeg(small, QSize(145, 121)).image.size(), QSize(145, 121));
}

TEST(JpegLoader, ProgressiveFilesDecode) {
    const QByteArray bytes =
        jpeg_fixture::encode(jpeg_fixture::markedPicture({300, 200}, Qt::green), 80, true);
    const photos::Picture picture = photos::decodeJpeg(bytes, QSize(145, 121));
    EXPECT_EQ(picture.fullSize, QSize(300, 200));
    EXPECT_EQ(picture.image.size(), QSize(150, 100));
}

TEST(JpegLoader, DamagedDataRaisesTheLibraryErrorCode) {
    const QByteArray whole = jpeg_fixture::encode(jpeg_fixture::markedPicture({200, 160}, Qt::red));

    // Cut in the middle of the picture data: the file ends early.
    EXPECT_EQ(errorOf([&] { photos::decodeJpeg(whole.left(whole.size() / 2)); }),
              jpegError(JWRN_JPEG_EOF));
    // Nothing at all, and bytes that are no JPEG.
    EXPECT_EQ(errorOf([] { photos::decodeJpeg(QByteArray()); }), jpegError(JERR_INPUT_EMPTY));
    EXPECT_EQ(errorOf([] { photos::decodeJpeg(QByteArray("GIF89a not a jpeg at all")); }),
              jpegError(JERR_NO_SOI));
    // A header cut short.
    EXPECT_EQ(errorOf([&] { photos::decodeJpeg(whole.left(40)); }).rfind("JPEG error #", 0), 0u);
}

TEST(JpegLoader, RefusesAHeaderThatClaimsAnEnormousPicture) {
    QByteArray bytes = jpeg_fixture::encode(jpeg_fixture::markedPicture({16, 16}, Qt::red));
    // Rewrite the frame header's height and width (big-endian, after the precision byte).
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    for (int i = 0; i < 4; ++i)
        bytes[frame + 5 + i] = char(0xFF);
    EXPECT_EQ(errorOf([&] { photos::decodeJpeg(bytes, QSize(145, 121)); }),
              jpegError(JERR_IMAGE_TOO_BIG));
}

TEST(JpegLoader, LimitsRefuseWhatTheyDoNotAllow) {
    const QByteArray progressive =
        jpeg_fixture::encode(jpeg_fixture::markedPicture({300, 200}, Qt::red), 80, true);
    photos::JpegLimits tight;
    tight.maxPixels = 300 * 200 - 1;
    EXPECT_EQ(errorOf([&] { photos::decodeJpeg(progressive, QSize(), tight); }),
              jpegError(JERR_IMAGE_TOO_BIG));
    tight = photos::JpegLimits();
    tight.maxLibraryMemory = 64 * 1024;
    EXPECT_EQ(errorOf([&] { photos::decodeJpeg(progressive, QSize(), tight); }),
              jpegError(JERR_NO_BACKING_STORE));
    // A baseline file needs no whole-image buffer and passes the same memory limit.
    const QByteArray baseline =
        jpeg_fixture::encode(jpeg_fixture::markedPicture({300, 200}, Qt::red));
    EXPECT_EQ(photos::decodeJpeg(baseline, QSize(), tight).fullSize, QSize(300, 200));
}

TEST(JpegLoader, FilesAreChosenByExtension) {
    QTemporaryDir dir;
    const QString jpg = dir.filePath("face.jpg");
    jpeg_fixture::writeFile(jpg, {40, 30});
    EXPECT_EQ(photos::loadJpegFile(jpg).fullSize, QSize(40, 30));

    const QString upper = dir.filePath("FACE.JPG");
    QFile::copy(jpg, upper);
    EXPECT_EQ(photos::loadJpegFile(upper).fullSize, QSize(40, 30));

    // JPEG bytes under another extension are still refused by name.
    const QString png = dir.filePath("face.png");
    QFile::copy(jpg, png);
    EXPECT_EQ(errorOf([&] { photos::loadJpegFile(png); }), "Unknown picture file extension (.png)");
    EXPECT_EQ(errorOf([&] { photos::loadJpegFile(dir.filePath("noextension")); }),
              "Unknown picture file extension (.)");

    // A truncated file on disk.
    const QString cut = dir.filePath("cut.jpg");
    const QByteArray whole = jpeg_fixture::writeFile(cut, {200, 160});
    QFile file(cut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(whole.size() - 300));
    file.close();
    EXPECT_EQ(errorOf([&] { photos::loadJpegFile(cut); }), jpegError(JWRN_JPEG_EOF));
}
