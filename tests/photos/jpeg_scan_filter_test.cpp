#include "photos/jpeg_loader.h"
#include "photos/jpeg_scan_filter.h"
#include "photos/picture_error.h"
#include "support/jpeg_fixture.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <jerror.h>

namespace {

// A picture with detail in every block: bands of colour and a diagonal.
QImage detailedPicture(const QSize& size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(
                x, y, qRgb(x * 255 / size.width(), (x + y) % 64 * 4, y * 255 / size.height()));
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(0, 0, size.width(), size.height());
    return picture;
}

} // namespace

TEST(JpegScanFilter, BlockSidesFollowTheSamplingFactors) {
    EXPECT_EQ(photos::eighthScaleBlockSide(2, 2, 2, 2), 1); // luma of 4:2:0
    EXPECT_EQ(photos::eighthScaleBlockSide(1, 1, 2, 2), 2); // chroma of 4:2:0
    EXPECT_EQ(photos::eighthScaleBlockSide(1, 1, 2, 1), 1); // chroma of 4:2:2 is enlarged
    EXPECT_EQ(photos::eighthScaleBlockSide(1, 1, 1, 1), 1);
    EXPECT_EQ(photos::eighthScaleBlockSide(1, 1, 4, 4), 4);
    EXPECT_EQ(photos::eighthScaleBlockSide(1, 1, 3, 3), 1);
    EXPECT_EQ(photos::eighthScaleBlockSide(0, 1, 2, 2), 1); // a damaged frame header
}

TEST(JpegScanFilter, AProgressiveFileLosesTheScansOfFineDetail) {
    const QByteArray file = jpeg_fixture::encode(detailedPicture({640, 480}), 90, true);
    const QByteArray dc = photos::scansForEighthScale(file);
    ASSERT_FALSE(dc.isEmpty());
    EXPECT_LT(dc.size(), file.size() / 2);
    EXPECT_TRUE(dc.startsWith("\xFF\xD8"));
    EXPECT_TRUE(dc.endsWith("\xFF\xD9"));
}

TEST(JpegScanFilter, TheBoxShowsWhatTheWholeFileWouldShow) {
    // A progressive file holds the same coefficients as a sequential one of the same
    // quality; decoded whole, the sequential one is the reference at 1/8 scale.
    const QImage picture = detailedPicture({640, 480});
    const photos::Picture reference =
        photos::decodeJpeg(jpeg_fixture::encode(picture), QSize(64, 48));
    ASSERT_EQ(reference.image.size(), QSize(80, 60));
    for (int restartRows : {0, 1}) {
        const QByteArray file = jpeg_fixture::encode(picture, 90, true, restartRows);
        const photos::Picture shown = photos::decodeJpeg(file, QSize(64, 48));
        EXPECT_EQ(shown.fullSize, QSize(640, 480));
        EXPECT_EQ(shown.image, reference.image) << restartRows;
    }
}

TEST(JpegScanFilter, OtherFilesAreLeftToTheWholeDecode) {
    const QImage picture = detailedPicture({160, 120});
    const QByteArray baseline = jpeg_fixture::encode(picture);
    EXPECT_TRUE(photos::scansForEighthScale(baseline).isEmpty());
    EXPECT_TRUE(photos::scansForEighthScale(QByteArray()).isEmpty());
    EXPECT_TRUE(photos::scansForEighthScale("\xFF\xD8\xFF\xD9").isEmpty());

    // A progressive file that ends early is decoded whole, so its damage is reported.
    const QByteArray progressive = jpeg_fixture::encode(picture, 90, true);
    const QByteArray cut = progressive.left(progressive.size() - 100);
    EXPECT_TRUE(photos::scansForEighthScale(cut).isEmpty());
    try {
        photos::decodeJpeg(cut, QSize(20, 15));
        ADD_FAILURE() << "a cut file decoded";
    } catch (const photos::PictureError& error) {
        EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(JWRN_JPEG_EOF));
    }
    // A box that needs more than 1/8 scale gets the whole decode's detail.
    EXPECT_EQ(photos::decodeJpeg(progressive, QSize(80, 60)).image.size(), QSize(80, 60));
}
