#include "app/artwork.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

int paintedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

TEST(Artwork, TwelveDistinctSixteenPixelIcons) {
    const QList<QImage> icons = artwork::imageList1();
    ASSERT_EQ(icons.size(), 12);
    QSet<size_t> seen;
    for (int i = 0; i < icons.size(); ++i) {
        EXPECT_EQ(icons[i].size(), QSize(16, 16)) << i;
        EXPECT_GT(paintedPixels(icons[i]), 20) << "icon " << i << " is nearly empty";
        seen.insert(qHashBits(icons[i].constBits(), size_t(icons[i].sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 12) << "two icons look the same";
}

TEST(Artwork, FourDistinctNavigationGlyphs) {
    using artwork::Glyph;
    QSet<size_t> seen;
    for (Glyph glyph : {Glyph::First, Glyph::Previous, Glyph::Next, Glyph::Last}) {
        const QImage image = artwork::navigationGlyph(glyph);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_GT(paintedPixels(image), 20);
        seen.insert(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 4);
}
