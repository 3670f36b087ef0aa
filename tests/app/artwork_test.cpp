#include "app/about_artwork.h"
#include "app/artwork.h"
#include "skin/themes/skin_resources.h"

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
    const QList<QImage> icons = app::imageList1();
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
    using app::Glyph;
    QSet<size_t> seen;
    for (Glyph glyph : {Glyph::First, Glyph::Previous, Glyph::Next, Glyph::Last}) {
        const QImage image = app::navigationGlyph(glyph);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_GT(paintedPixels(image), 20);
        seen.insert(qHashBits(image.constBits(), size_t(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 4);
}

// The pictures come from the resources in the format they were drawn in: a missing or
// converted picture would show as an empty or wrongly blended icon.
TEST(Artwork, BuiltInPicturesKeepTheirSizeAndFormat) {
    EXPECT_EQ(app::imageListIcon(app::Folder).format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(app::navigationGlyph(app::Glyph::Last).format(), QImage::Format_ARGB32_Premultiplied);

    const QImage photo = app::aboutPhoto();
    EXPECT_EQ(photo.size(), QSize(162, 178));
    EXPECT_EQ(photo.format(), QImage::Format_RGB32);

    const QImage icon = app::aboutIcon();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(icon.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the icon's corner is not see-through";
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255) << "the book's middle is not opaque";

    EXPECT_TRUE(skin::themes::builtInPicture(QStringLiteral("app/NO_SUCH.png"),
                                             QImage::Format_ARGB32_Premultiplied)
                    .isNull());
}
