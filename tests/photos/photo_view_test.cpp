#include "photos/photo_view.h"
#include "support/jpeg_fixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QSize kBox(145, 121);
}

TEST(PhotoView, LargerPicturesShrinkProportionallyWithTruncatedSides) {
    EXPECT_EQ(photos::fittedPhotoSize({290, 121}, kBox), QSize(145, 60));    // 60.5 truncated
    EXPECT_EQ(photos::fittedPhotoSize({1600, 1200}, kBox), QSize(145, 108)); // 108.75
    EXPECT_EQ(photos::fittedPhotoSize({100, 400}, kBox), QSize(30, 121));    // 30.25
    EXPECT_EQ(photos::fittedPhotoSize({146, 121}, kBox), QSize(145, 120));   // 120.17
    EXPECT_EQ(photos::fittedPhotoSize({4000, 1}, kBox), QSize(145, 0));
}

TEST(PhotoView, PicturesThatFitKeepTheirSize) {
    EXPECT_EQ(photos::fittedPhotoSize({145, 121}, kBox), QSize(145, 121));
    EXPECT_EQ(photos::fittedPhotoSize({20, 10}, kBox), QSize(20, 10));
    EXPECT_EQ(photos::fittedPhotoSize({145, 1}, kBox), QSize(145, 1));
}

TEST(PhotoView, TheShownSizeFollowsTheFullPictureNotTheDecodedScale) {
    QTemporaryDir dir;
    // Decoded at 4/8 this is 145 x 61 (libjpeg rounds up), but the picture shows 145 x 60.
    const QString wide = dir.filePath("wide.jpg");
    jpeg_fixture::writeFile(wide, {290, 121}, Qt::red);
    const QImage shown = photos::fitPhoto(photos::loadJpegFile(wide, kBox), kBox);
    EXPECT_EQ(shown.size(), QSize(145, 60));
    // The black quarter of the picture lands in the shown top-left quarter.
    EXPECT_LT(qRed(shown.pixel(10, 10)), 40);
    EXPECT_GT(qRed(shown.pixel(140, 55)), 200);

    const QString big = dir.filePath("big.jpg");
    jpeg_fixture::writeFile(big, {1600, 1200}, Qt::red);
    EXPECT_EQ(photos::fitPhoto(photos::loadJpegFile(big, kBox), kBox).size(), QSize(145, 108));

    const QString small = dir.filePath("small.jpg");
    jpeg_fixture::writeFile(small, {50, 40}, Qt::red);
    EXPECT_EQ(photos::fitPhoto(photos::loadJpegFile(small, kBox), kBox).size(), QSize(50, 40));
}
