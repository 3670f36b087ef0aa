#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin_pixels.h"

#include <gtest/gtest.h>

#include <QVBoxLayout>

using namespace skin_pixels;

namespace {

QFont elevenPixels() {
    QFont font;
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

TsuiGroupBox* winXPBox(QWidget* parent, const QString& caption) {
    auto* box = new TsuiGroupBox(parent);
    box->setFont(elevenPixels());
    box->setUIStyle(TsuiUIStyle::WinXP);
    box->setCaption(caption);
    return box;
}

} // namespace

TEST(SkinnedGroupBox, TheTopLineRunsAtHalfTheCaptionWithAGapForTheCaption) {
    QWidget parent;
    TsuiGroupBox* box = winXPBox(&parent, "Data");
    EXPECT_EQ(box->size(), QSize(185, 105));
    EXPECT_EQ(box->BorderColor(), TColor::fromRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(box->FontColor(), TColor::fromRgb(0x02, 0x46, 0xCF));
    const QImage image = shot(*box);
    const QRgb line = hex(0x686868);
    // The line sits at y = 11 / 2 + 1 = 6; the frame's left, right and bottom are whole.
    EXPECT_EQ(rgb(image, 0, 6), line);
    EXPECT_EQ(rgb(image, 1, 6), line);
    EXPECT_EQ(rgb(image, 2, 6), line);
    EXPECT_NE(rgb(image, 0, 5), line);
    for (int y = 6; y < 105; ++y) {
        EXPECT_EQ(rgb(image, 0, y), line) << y;
        EXPECT_EQ(rgb(image, 184, y), line) << y;
    }
    for (int x = 0; x < 185; ++x)
        EXPECT_EQ(rgb(image, x, 104), line) << x;
    // The gap runs from x = 3 up to and including x = 6 + the caption's width.
    const int gapEnd = 6 + QFontMetrics(elevenPixels()).horizontalAdvance("Data");
    for (int x = 3; x <= gapEnd; ++x)
        EXPECT_NE(rgb(image, x, 6), line) << x;
    for (int x = gapEnd + 1; x < 185; ++x)
        EXPECT_EQ(rgb(image, x, 6), line) << x;
    // The caption is written in the caption colour.
    bool captionSeen = false;
    for (int y = 0; y < 14; ++y)
        for (int x = 5; x < gapEnd; ++x)
            captionSeen |= rgb(image, x, y) == hex(0x0246CF);
    EXPECT_TRUE(captionSeen);
}

TEST(SkinnedGroupBox, AnEmptyCaptionClosesTheTopLine) {
    QWidget parent;
    TsuiGroupBox* box = winXPBox(&parent, "");
    const QImage image = shot(*box);
    for (int x = 0; x < 185; ++x)
        EXPECT_EQ(rgb(image, x, 6), hex(0x686868)) << x;
}

TEST(SkinnedGroupBox, AlignedChildrenStartBelowTheCaptionAndInsideTheFrame) {
    QWidget parent;
    TsuiGroupBox* box = winXPBox(&parent, "Data");
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QWidget;
    layout->addWidget(child);
    box->resize(200, 100);
    layout->activate();
    EXPECT_EQ(box->contentsRect(), QRect(3, 16, 194, 81));
    EXPECT_EQ(child->geometry(), QRect(3, 16, 194, 81));
}

TEST(SkinnedGroupBox, DisablingGreysTheCaptionAndSetsEveryDirectChild) {
    QWidget parent;
    TsuiGroupBox* box = winXPBox(&parent, "Data");
    auto* edit = new TsuiEdit(box);
    edit->move(10, 30);
    auto* button = new TsuiButton(box);
    button->move(10, 60);
    button->setEnabled(false);
    box->setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    const QImage image = shot(*box);
    bool grey = false, blue = false;
    for (int y = 0; y < 14; ++y)
        for (int x = 5; x < 40; ++x) {
            grey |= rgb(image, x, y) == hex(0x808080);
            blue |= rgb(image, x, y) == hex(0x0246CF);
        }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(blue);

    // Enabling enables every control inside, also one that was disabled before.
    box->setEnabled(true);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(button->isEnabled());
}

TEST(SkinnedGroupBox, TheStyleGoesToDirectChildrenOnly) {
    QWidget parent;
    TsuiGroupBox* box = winXPBox(&parent, "Data");
    auto* direct = new TsuiButton(box);
    auto* holder = new QWidget(box);
    auto* deeper = new TsuiButton(holder);
    auto* theme = new TsuiFileTheme(&parent);
    box->setFileTheme(theme);
    box->setUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(direct->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(direct->FileTheme(), theme);
    EXPECT_EQ(deeper->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(box->BorderColor(), TColor::fromRgb(0x7F, 0x7F, 0x7F));

    // Losing the file theme sends everything back to DeepBlue.
    delete theme;
    EXPECT_EQ(box->FileTheme(), nullptr);
    EXPECT_EQ(box->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(direct->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(direct->FileTheme(), nullptr);
    EXPECT_EQ(box->BorderColor(), TColor::fromRgb(0, 0, 0));
}

TEST(SkinnedGroupBox, TransparentShowsTheParentInsideTheFrame) {
    QWidget parent;
    parent.resize(300, 200);
    parent.setAutoFillBackground(true);
    QPalette red = parent.palette();
    red.setColor(QPalette::Window, QColor(0xFF, 0, 0));
    parent.setPalette(red);
    TsuiGroupBox* box = winXPBox(&parent, "Data");
    box->move(10, 10);
    QPalette green = box->palette();
    green.setColor(QPalette::Window, QColor(0, 0xFF, 0));
    box->setPalette(green);
    EXPECT_EQ(rgb(shot(*box), 50, 50), hex(0x00FF00));
    box->setTransparent(true);
    EXPECT_EQ(rgb(shot(*box), 50, 50), hex(0xFF0000));
    EXPECT_EQ(rgb(shot(*box), 0, 50), hex(0x686868));
}
