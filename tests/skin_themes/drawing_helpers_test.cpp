#include "skin/frame/form_state.h"
#include "skin/frame/geometry.h"
#include "skin/paint/control_painting.h"
#include "skin/paint/menu_drawing.h"
#include "skin/paint/menu_handlers.h"
#include "skin/paint/tile_bitmap.h"
#include "skin/themes/cut_frame.h"
#include "skin/themes/property_names.h"
#include "skin/themes/skin_resources.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using namespace skin::frame;
using namespace skin::paint;
using namespace skin::themes;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

QImage canvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

TEST(CutFrame, TakesTheFrameFromTheLeftAndIgnoresLeftoverColumns) {
    QImage strip(378, 21, QImage::Format_RGB32);
    for (int x = 0; x < 378; ++x)
        for (int y = 0; y < 21; ++y)
            strip.setPixel(x, y, qRgb(x % 256, x / 256, y));
    QImage frame;
    CutFrame(strip, frame, 18, 18);
    ASSERT_EQ(frame.size(), QSize(21, 21));
    EXPECT_EQ(frame, strip.copy(357, 0, 21, 21));

    QImage odd(10, 2, QImage::Format_RGB32); // 3 frames of 3, one column left over
    for (int x = 0; x < 10; ++x)
        odd.setPixel(x, 0, qRgb(x, 0, 0));
    CutFrame(odd, frame, 3, 3);
    ASSERT_EQ(frame.width(), 3);
    EXPECT_EQ(qRed(frame.pixel(0, 0)), 6);
    EXPECT_EQ(qRed(frame.pixel(2, 0)), 8);
}

TEST(TileBitmap, RepeatsFromTheOriginOverTheRectanglesSize) {
    QImage tile(3, 2, QImage::Format_RGB32);
    tile.fill(Qt::black);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    QImage out = canvas(12, 12);
    {
        QPainter painter(&out);
        TileBitmap(painter, tile, QRect(50, 50, 7, 5)); // position ignored
        TileBitmap(painter, QImage(), QRect(0, 0, 12, 12));
    }
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(6, 4), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(8, 5), 0xFF000000u); // the last tiles reach past the rectangle
    EXPECT_EQ(out.pixel(9, 0), kWhite);
    EXPECT_EQ(out.pixel(0, 6), kWhite);
}

TEST(PointInRect, CountsRightAndBottomEdgesAsInside) {
    EXPECT_TRUE(PointInRect({10, 5}, QRect(0, 0, 10, 5)));
    EXPECT_TRUE(PointInRect({0, 0}, QRect(0, 0, 10, 5)));
    EXPECT_FALSE(PointInRect({11, 5}, QRect(0, 0, 10, 5)));
    EXPECT_FALSE(PointInRect({10, 6}, QRect(0, 0, 10, 5)));
    EXPECT_FALSE(PointInRect({-1, 2}, QRect(0, 0, 10, 5)));
}

TEST(MenuDrawing, FramesFillsAndSeparatorsHitTheirPixels) {
    QImage out = canvas(30, 10);
    {
        QPainter painter(&out);
        FrameRectColor(painter, QRect(1, 1, 5, 4), TColor::fromHex(0xFF0000));
        FillRectColor(painter, QRect(10, 1, 2, 2), TColor::fromHex(0x00FF00));
        DrawMenuSeparator(painter, QRect(0, 5, 30, 4), TColor::fromHex(0x0000FF), 3);
    }
    EXPECT_EQ(out.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(5, 4), qRgb(255, 0, 0));
    EXPECT_EQ(out.pixel(3, 2), kWhite);
    EXPECT_EQ(out.pixel(6, 1), kWhite);
    EXPECT_EQ(out.pixel(11, 2), qRgb(0, 255, 0));
    // From (0 + 3 + 4, 7) up to but not including (28, 7).
    EXPECT_EQ(out.pixel(6, 7), kWhite);
    EXPECT_EQ(out.pixel(7, 7), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(27, 7), qRgb(0, 0, 255));
    EXPECT_EQ(out.pixel(28, 7), kWhite);
    EXPECT_EQ(out.pixel(10, 6), kWhite);
}

TEST(MenuDrawing, PopupFrameRunsOnTheLastPixelsWithAWhiteLineInside) {
    QImage out = canvas(20, 12);
    out.fill(Qt::gray);
    {
        QPainter painter(&out);
        DrawPopupMenuFrame(painter, QRect(0, 0, 20, 12), TColor::fromHex(0x0000FF),
                           TColor::fromHex(0x00FF00));
    }
    const QRgb frame = qRgb(0, 0, 255), shadow = qRgb(0, 255, 0);
    EXPECT_EQ(out.pixel(0, 5), frame);   // left side of (0,1)-(19,11)
    EXPECT_EQ(out.pixel(1, 5), kWhite);  // the white line inside it
    EXPECT_EQ(out.pixel(5, 11), frame);  // bottom row: the last one
    EXPECT_EQ(out.pixel(19, 5), frame);  // right column: the last one
    EXPECT_EQ(out.pixel(19, 11), frame); // bottom-right corner
    EXPECT_EQ(out.pixel(5, 10), kWhite); // white only inside the frame
    EXPECT_EQ(out.pixel(18, 5), kWhite);
    EXPECT_EQ(out.pixel(19, 0), shadow); // top row
    EXPECT_EQ(out.pixel(5, 0), shadow);
    EXPECT_EQ(out.pixel(0, 0), QColor(Qt::gray).rgb()); // the pen stops short
    EXPECT_EQ(out.pixel(5, 5), QColor(Qt::gray).rgb());
}

TEST(MenuDrawing, MacBarsStretchOnlyTheirTopRows) {
    QImage out = canvas(4, 40);
    {
        QPainter painter(&out);
        DrawMacMenuBarShort(painter, QRect(0, 0, 4, 12));
        DrawMacMenuSelection(painter, QRect(0, 20, 4, 20));
    }
    const QImage bar = QImage(loadSkinResource("MACOS_MENU_BAR"));
    EXPECT_EQ(out.pixel(3, 0), bar.pixel(0, 0));
    EXPECT_EQ(out.pixel(3, 11), bar.pixel(0, 11));
    const QImage select = loadSkinResource("MACOS_MENU_SELECT");
    EXPECT_EQ(out.pixel(0, 39), select.pixel(0, 19));
}

class BackgroundParent : public QWidget {
public:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 200));
        painter.fillRect(QRect(20, 10, 5, 5), QColor(200, 0, 0));
    }
};

TEST(ControlPainting, ParentBackgroundLandsUnderTheControl) {
    BackgroundParent parent;
    parent.resize(100, 60);
    QWidget child(&parent);
    child.setGeometry(15, 8, 30, 20);
    QImage out = canvas(30, 20);
    {
        QPainter painter(&out);
        PaintParentBackground(painter, &child);
        PaintParentBackground(painter, nullptr);
    }
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(out.pixel(5, 2), qRgb(200, 0, 0)); // parent's (20,10)
    EXPECT_EQ(out.pixel(4, 2), qRgb(0, 0, 200));
    QWidget orphan;
    QImage untouched = canvas(5, 5);
    {
        QPainter painter(&untouched);
        PaintParentBackground(painter, &orphan);
    }
    EXPECT_EQ(untouched.pixel(2, 2), kWhite);
}

TEST(ControlPainting, BorderIsOneOrTwoPixelsOnTheWholeControl) {
    QWidget control;
    control.resize(10, 8);
    QImage out = canvas(10, 8);
    {
        QPainter painter(&out);
        DrawControlBorder(painter, &control, TColor::fromHex(0x686868), TColor::fromHex(0xFFFFFF),
                          false);
    }
    EXPECT_EQ(out.pixel(0, 0), qRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(out.pixel(9, 7), qRgb(0x68, 0x68, 0x68));
    EXPECT_EQ(out.pixel(1, 1), kWhite);
    {
        QPainter painter(&out);
        DrawControlBorder(painter, &control, TColor::fromHex(0x000000), TColor::fromHex(0x00FF00),
                          true);
    }
    EXPECT_EQ(out.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(out.pixel(8, 6), qRgb(0, 255, 0));
    EXPECT_EQ(out.pixel(2, 2), kWhite);
}

TEST(FormState, PropertiesBoundsAndActiveFormWithoutMainForm) {
    QWidget form;
    EXPECT_TRUE(HasProperty(&form, "geometry"));
    EXPECT_FALSE(HasProperty(&form, "UIStyle"));
    EXPECT_FALSE(HasProperty(nullptr, "geometry"));
    form.setProperty("UIStyle", 3); // a dynamic property is not a published one
    EXPECT_FALSE(HasProperty(&form, "UIStyle"));

    SetFormBounds(&form, QRect(10, 20, 300, 200));
    EXPECT_EQ(form.size(), QSize(300, 200));

    setMainForm(nullptr);
    EXPECT_FALSE(IsFormActive(&form)); // never shown, so not active
    EXPECT_FALSE(IsFormActive(nullptr));
    EXPECT_FALSE(GetWorkArea().isEmpty());
}

TEST(MenuHandlers, InstalledOnTheItemAndEveryItemBelow) {
    QMenu top;
    QAction* file = top.addAction(QStringLiteral("Файл"));
    QMenu sub;
    file->setMenu(&sub);
    QAction* open = sub.addAction(QStringLiteral("Открыть"));
    QMenu deeper;
    QAction* recent = sub.addAction(QStringLiteral("Недавние"));
    recent->setMenu(&deeper);
    QAction* first = deeper.addAction(QStringLiteral("1"));
    QAction* outside = top.addAction(QStringLiteral("Выход"));

    int measured = 0;
    SetMenuDrawHandlers(
        file, [&](QAction*, QSize& size) { size = QSize(++measured, 1); },
        [](QAction*, QPainter&, const QRect&, bool) {});
    for (QAction* item : {file, open, recent, first}) {
        const MenuDrawHandlers handlers = menuDrawHandlersOf(item);
        ASSERT_TRUE(handlers.measure && handlers.draw);
        QSize size;
        handlers.measure(item, size);
    }
    EXPECT_EQ(measured, 4);
    EXPECT_FALSE(menuDrawHandlersOf(outside).measure);
}

} // namespace
