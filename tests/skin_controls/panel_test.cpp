#include "skin/controls/panel.h"
#include "skin_pixels.h"

#include <gtest/gtest.h>

using namespace skin_pixels;

namespace {

// A 4 x 4 picture: red on the left half, blue on the right.
QImage halves() {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(0xFF, 0, 0));
    for (int y = 0; y < 4; ++y)
        for (int x = 2; x < 4; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0xFF));
    return picture;
}

} // namespace

TEST(SkinnedPanel, ThePictureIsDrawnAsItIsStretchedOrTiled) {
    TsuiCustomPanel panel;
    panel.resize(16, 8);
    panel.setColor(TColor::fromHex(0x00FF00));
    EXPECT_EQ(rgb(shot(panel), 10, 5), hex(0x00FF00));

    panel.setPicture(halves());
    QImage image = shot(panel);
    EXPECT_EQ(rgb(image, 0, 0), hex(0xFF0000));
    EXPECT_EQ(rgb(image, 3, 3), hex(0x0000FF));
    EXPECT_NE(rgb(image, 10, 5), hex(0xFF0000)); // normal: drawn once at the corner
    EXPECT_NE(rgb(image, 10, 5), hex(0x0000FF));

    panel.setDrawStyle(TsuiCustomPanel::Tile);
    image = shot(panel);
    EXPECT_EQ(rgb(image, 4, 0), hex(0xFF0000));
    EXPECT_EQ(rgb(image, 15, 7), hex(0x0000FF));

    panel.setDrawStyle(TsuiCustomPanel::Stretch);
    image = shot(panel);
    EXPECT_EQ(rgb(image, 7, 7), hex(0xFF0000));
    EXPECT_EQ(rgb(image, 8, 0), hex(0x0000FF));

    panel.setAutoSizeToPicture(true);
    EXPECT_EQ(panel.size(), QSize(4, 4));
}

TEST(SkinnedPanel, ATransparentPanelShowsItsParent) {
    QWidget parent;
    parent.resize(50, 50);
    parent.setAutoFillBackground(true);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, QColor(0xFF, 0, 0));
    parent.setPalette(red);
    auto* panel = new TsuiCustomPanel(&parent);
    panel->setGeometry(10, 10, 20, 20);
    panel->setColor(TColor::fromHex(0x00FF00));
    EXPECT_EQ(rgb(shot(*panel), 5, 5), hex(0x00FF00));
    panel->setTransparentBackground(true);
    EXPECT_EQ(rgb(shot(*panel), 5, 5), hex(0xFF0000));
}
