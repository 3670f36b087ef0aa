#include "skin/paint/skinned_rect.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace skin::paint;

namespace {

constexpr QRgb kBackground = 0xFF102030;
constexpr QRgb kKey = 0xFFFF00FF;

// An 18 x 21 frame, the size of one WinXP button face, in which every pixel has its own
// colour, so each drawn pixel tells where in the source it came from.
QImage numberedFrame() {
    QImage frame(18, 21, QImage::Format_RGB32);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 18; ++x)
            frame.setPixel(x, y, qRgb(x * 12 + 3, y * 11 + 5, 77));
    return frame;
}

QImage draw(const QImage& source, QSize size, bool keyed) {
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(kBackground);
    QPainter painter(&canvas);
    DrawSkinnedRect(source, painter, QRect(QPoint(0, 0), size), keyed);
    return canvas;
}

TEST(DrawSkinnedRect, ButtonFrameInto80x27PlacesCornersEdgesAndCentre) {
    const QImage src = numberedFrame();
    const QImage out = draw(src, {80, 27}, false);
    // Corners 1:1: 9 x 10 at (0,0), 9 x 9 at (0,18), 8 x 10 at (72,0), 8 x 9 at (72,18).
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(out.pixel(x, y), src.pixel(x, y)) << x << "," << y;
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(out.pixel(72 + i, y), src.pixel(10 + i, y)) << i << "," << y;
    }
    for (int j = 0; j < 9; ++j) {
        // Column 8 of the bottom-left corner lies under the bottom edge, drawn later.
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(out.pixel(x, 18 + j), src.pixel(x, 12 + j)) << x << "," << j;
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(out.pixel(72 + i, 18 + j), src.pixel(10 + i, 12 + j)) << i << "," << j;
    }
    // Left edge from source row 10, right edge from row 11, top edge from column 9; the
    // bottom edge, drawn last, starts one pixel left of and above the bottom corners.
    for (int y = 10; y < 18; ++y) {
        for (int x = 0; x < (y < 17 ? 9 : 8); ++x)
            ASSERT_EQ(out.pixel(x, y), src.pixel(x, 10)) << x << "," << y;
    }
    for (int y = 10; y < 18; ++y) {
        for (int i = 0; i < 8; ++i)
            ASSERT_EQ(out.pixel(72 + i, y), src.pixel(10 + i, 11)) << i << "," << y;
    }
    for (int x = 9; x < 72; ++x) {
        for (int y = 0; y < 10; ++y)
            ASSERT_EQ(out.pixel(x, y), src.pixel(9, y)) << x << "," << y;
        // Centre: the single pixel (9,10), down to row 16.
        for (int y = 10; y < 17; ++y)
            ASSERT_EQ(out.pixel(x, y), src.pixel(9, 10)) << x << "," << y;
    }
    // Bottom edge: source column 9, rows 11..20, over (8,17)-(72,27).
    for (int x = 8; x < 72; ++x) {
        for (int y = 17; y < 27; ++y)
            ASSERT_EQ(out.pixel(x, y), src.pixel(9, 11 + (y - 17))) << x << "," << y;
    }
}

TEST(DrawSkinnedRect, CornersAreKeyedOnlyWhenAskedAndStripsAlways) {
    QImage src = numberedFrame();
    src.setPixel(0, 0, kKey);   // top-left corner
    src.setPixel(17, 20, kKey); // bottom-right corner
    src.setPixel(9, 0, kKey);   // first row of the top edge strip

    const QImage keyed = draw(src, {80, 27}, true);
    EXPECT_EQ(keyed.pixel(0, 0), kBackground);
    EXPECT_EQ(keyed.pixel(79, 26), kBackground);
    EXPECT_EQ(keyed.pixel(1, 0), src.pixel(1, 0));

    const QImage opaque = draw(src, {80, 27}, false);
    EXPECT_EQ(opaque.pixel(0, 0), kKey);
    EXPECT_EQ(opaque.pixel(79, 26), kKey);

    for (const QImage* out : {&keyed, &opaque}) {
        for (int x = 9; x < 72; ++x)
            ASSERT_EQ(out->pixel(x, 0), kBackground) << x;
        EXPECT_EQ(out->pixel(9, 1), src.pixel(9, 1));
    }
}

TEST(DrawSkinnedRect, SmallTargetShrinksCornersFromTheOuterSides) {
    const QImage src = numberedFrame();
    const QImage out = draw(src, {10, 10}, false);
    // 5 x 5 top-left, 5 x 4 bottom-left, 4 x 5 top-right, 4 x 4 bottom-right.
    EXPECT_EQ(out.pixel(0, 0), src.pixel(0, 0));
    EXPECT_EQ(out.pixel(4, 4), src.pixel(4, 4));
    EXPECT_EQ(out.pixel(0, 9), src.pixel(0, 20));
    EXPECT_EQ(out.pixel(0, 6), src.pixel(0, 17));
    EXPECT_EQ(out.pixel(9, 0), src.pixel(17, 0));
    EXPECT_EQ(out.pixel(6, 4), src.pixel(14, 4));
    EXPECT_EQ(out.pixel(9, 9), src.pixel(17, 20));
    EXPECT_EQ(out.pixel(6, 6), src.pixel(14, 17));
}

TEST(DrawSkinnedRect, DegenerateSizesDrawNothingOutside) {
    const QImage src = numberedFrame();
    const QImage one = draw(src, {1, 1}, true);
    EXPECT_EQ(one.size(), QSize(1, 1));
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(kBackground);
    {
        QPainter painter(&canvas);
        DrawSkinnedRect(src, painter, QRect(0, 0, 0, 0), false);
        DrawSkinnedRect(QImage(), painter, QRect(0, 0, 10, 10), false);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(canvas.pixel(x, y), kBackground);
}

} // namespace
