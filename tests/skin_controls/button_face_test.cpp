#include "skin/controls/button.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"
#include "skin_pixels.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

using namespace skin::themes;

using namespace skin_pixels;

namespace {

QImage winXPFrame(int index) {
    QImage frame;
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::ButtonImage, &frame, index, 3);
    return frame.convertToFormat(QImage::Format_RGB32);
}

// The four corners of an 80 x 27 face drawn from an 18 x 21 frame: 9 x 10 at (0, 0),
// 9 x 9 at (0, 18), 8 x 10 at (72, 0), 8 x 9 at (72, 18), each copied 1:1 from the
// frame's matching corner.
void expectCornersOf(const QImage& shot, const QImage& frame) {
    ASSERT_EQ(frame.size(), QSize(18, 21));
    ASSERT_EQ(shot.size(), QSize(80, 27));
    const struct {
        QRect target;
        QPoint source;
    } corners[] = {{{0, 0, 9, 10}, {0, 0}},
                   {{0, 18, 9, 9}, {0, 12}},
                   {{72, 0, 8, 10}, {10, 0}},
                   {{72, 18, 8, 9}, {10, 12}}};
    for (const auto& corner : corners)
        for (int y = 0; y < corner.target.height(); ++y)
            for (int x = 0; x < corner.target.width(); ++x)
                ASSERT_EQ(rgb(shot, corner.target.x() + x, corner.target.y() + y),
                          rgb(frame, corner.source.x() + x, corner.source.y() + y))
                    << "corner at " << corner.target.x() << "," << corner.target.y() << " pixel "
                    << x << "," << y;
}

void sendEnter(QWidget& widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&widget, &enter);
}

void sendLeave(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
}

QFont crispFont() {
    QFont font;
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

TEST(ButtonFace, WinXPFaceKeepsTheFrameCornersAndFollowsTheMouse) {
    TsuiButton button;
    button.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(button.size(), QSize(80, 27));
    EXPECT_FALSE(button.Transparent());
    // The three frames differ, so each state can be told from the others.
    ASSERT_NE(winXPFrame(1), winXPFrame(2));
    ASSERT_NE(winXPFrame(2), winXPFrame(3));

    expectCornersOf(shot(button), winXPFrame(1));

    sendEnter(button);
    EXPECT_TRUE(button.isMouseOn());
    expectCornersOf(shot(button), winXPFrame(2));

    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    expectCornersOf(shot(button), winXPFrame(3));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    expectCornersOf(shot(button), winXPFrame(2));

    sendLeave(button);
    expectCornersOf(shot(button), winXPFrame(1));

    // Disabled draws the normal frame, whatever the mouse does.
    button.setEnabled(false);
    sendEnter(button);
    expectCornersOf(shot(button), winXPFrame(1));
}

TEST(ButtonFace, TheStyleDecidesTransparencyAndAutoSizeTakesOneFrame) {
    TsuiButton button;
    for (TsuiUIStyle style : kBuiltInStyles) {
        button.setUIStyle(style);
        EXPECT_EQ(button.Transparent(),
                  style == TsuiUIStyle::MacOS || style == TsuiUIStyle::BlueGlass)
            << uiStyleName(style).toStdString();
    }
    button.setUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(button.size(), QSize(80, 27)); // a style change does not size the button
    button.setAutoSize(true);
    EXPECT_EQ(button.size(), QSize(18, 21));
    EXPECT_EQ(button.ResHandle(), 0u);
    button.setResHandle(5);
    EXPECT_EQ(button.ResHandle(), 0u);
}

TEST(ButtonFace, ADisabledCaptionIsWhiteUnderGreyOnePixelApart) {
    TsuiButton plain, captioned;
    for (TsuiButton* b : {&plain, &captioned}) {
        b->setUIStyle(TsuiUIStyle::WinXP);
        b->setFont(crispFont());
        b->setEnabled(false);
    }
    captioned.setCaption("HIM");
    const QImage face = shot(plain), text = shot(captioned);
    int white = 0, grey = 0;
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 80; ++x) {
            if (rgb(face, x, y) == rgb(text, x, y))
                continue;
            const QRgb c = rgb(text, x, y);
            ASSERT_TRUE(c == hex(0xFFFFFF) || c == hex(0x808080)) << x << "," << y;
            if (c == hex(0x808080)) {
                ++grey;
            } else {
                ++white;
                // Every white pixel is the shadow of a grey one up and to the left.
                EXPECT_EQ(rgb(text, x - 1, y - 1), hex(0x808080)) << x << "," << y;
            }
        }
    EXPECT_GT(grey, 10);
    EXPECT_GT(white, 5);
}

TEST(ButtonFace, ACaptionOfBlanksDrawsNoText) {
    TsuiButton plain, blanks;
    plain.setUIStyle(TsuiUIStyle::WinXP);
    blanks.setUIStyle(TsuiUIStyle::WinXP);
    blanks.setCaption("   ");
    EXPECT_EQ(shot(plain), shot(blanks));
}

TEST(ButtonFace, AFocusedWinXPButtonShowsTheDottedRectangleTwoPixelsIn) {
    QWidget window;
    window.resize(120, 60);
    auto* focused = new TsuiButton(&window);
    focused->setUIStyle(TsuiUIStyle::WinXP);
    auto* other = new TsuiButton(&window);
    other->move(0, 30);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QImage before = shot(*focused);
    focused->setFocus();
    ASSERT_TRUE(focused->hasFocus());
    const QImage after = shot(*focused);

    int changed = 0;
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 80; ++x) {
            const bool onRect =
                (x == 2 || x == 77 || y == 2 || y == 24) && x >= 2 && x <= 77 && y >= 2 && y <= 24;
            const bool differs = rgb(before, x, y) != rgb(after, x, y);
            if (differs)
                ++changed;
            // Only every other pixel of the outline changes, starting at the corner.
            EXPECT_EQ(differs, onRect && (x + y) % 2 == 0) << x << "," << y;
        }
    EXPECT_GT(changed, 80);
}

TEST(ButtonFace, MacOSShowsFocusAsABoldCaptionInstead) {
    QWidget window;
    auto* button = new TsuiButton(&window);
    button->setUIStyle(TsuiUIStyle::MacOS);
    button->setCaption("Bold");
    auto* other = new TsuiButton(&window);
    other->move(0, 30);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QImage before = shot(*button);
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage after = shot(*button);
    // The outline two pixels in stays as it was; the caption changes.
    for (int x = 2; x < 78; ++x)
        EXPECT_EQ(rgb(before, x, 2), rgb(after, x, 2)) << x;
    EXPECT_NE(before, after);
}

TEST(ButtonFace, AGlyphTwiceAsWideAsHighShowsItsSecondFrameWhenDisabled) {
    // Frame 1 blue, frame 2 red, both on a green mask colour taken from the top-left pixel.
    QImage glyph(32, 16, QImage::Format_RGB32);
    glyph.fill(QColor(0, 255, 0));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) {
            glyph.setPixel(x, y, qRgb(0, 0, 255));
            glyph.setPixel(16 + x, y, qRgb(255, 0, 0));
        }
    TsuiButton button;
    button.setUIStyle(TsuiUIStyle::WinXP);
    button.setGlyph(glyph);
    // No caption: the glyph sits at ((80 - 16 - 0 - 4) / 2, (27 - 16) / 2) = (30, 5).
    const auto count = [](const QImage& image, QRgb colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += rgb(image, x, y) == colour;
        return n;
    };
    QImage enabled = shot(button);
    EXPECT_EQ(rgb(enabled, 30 + 8, 5 + 8), hex(0x0000FF));
    EXPECT_EQ(count(enabled, hex(0x0000FF)), 64);
    EXPECT_EQ(count(enabled, hex(0xFF0000)), 0);
    EXPECT_EQ(count(enabled, hex(0x00FF00)), 0); // the mask colour never shows

    button.setEnabled(false);
    QImage disabled = shot(button);
    EXPECT_EQ(rgb(disabled, 30 + 8, 5 + 8), hex(0xFF0000));
    EXPECT_EQ(count(disabled, hex(0xFF0000)), 64);
    EXPECT_EQ(count(disabled, hex(0x0000FF)), 0);
}

TEST(ButtonFace, GlyphLayoutsPlaceGlyphAndCaption) {
    const QSize button(137, 27), glyph(16, 16), text(90, 13);
    using B = TsuiButton;
    auto at = B::placeGlyph(B::blGlyphLeft, button, glyph, text, 4);
    EXPECT_EQ(at.glyph, QPoint(13, 5));
    EXPECT_EQ(at.caption, QPoint(33, 7));
    at = B::placeGlyph(B::blGlyphRight, button, glyph, text, 4);
    EXPECT_EQ(at.glyph, QPoint(107, 5));
    EXPECT_EQ(at.caption, QPoint(13, 7));
    at = B::placeGlyph(B::blGlyphTop, QSize(80, 60), glyph, text, 4);
    EXPECT_EQ(at.glyph, QPoint(32, 13));
    EXPECT_EQ(at.caption, QPoint(-5, 33));
    at = B::placeGlyph(B::blGlyphBottom, QSize(80, 60), glyph, text, 4);
    EXPECT_EQ(at.glyph, QPoint(32, 30));
    EXPECT_EQ(at.caption, QPoint(-5, 13));
    // Integer division truncates toward zero, also for negative values.
    at = B::placeGlyph(B::blGlyphLeft, QSize(20, 10), glyph, QSize(9, 13), 4);
    EXPECT_EQ(at.glyph, QPoint(-4, -3));
}
