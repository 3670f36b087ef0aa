#include "skin/frame/frame_geometry.h"
#include "skin/frame/window_drag.h"

#include <gtest/gtest.h>

using namespace skin::frame;

namespace {

// A WinXP bar 480 wide: close and minimise pictures 21 x 21 at top 5, offsets 2 and -2.
QList<ButtonSlot> closeAndMinimise() {
    return {ButtonSlot{true, false, QSize(21, 21), 5}, ButtonSlot{true, false, QSize(21, 21), 5}};
}

int charWidth(const QString& text) {
    return 7 * int(text.size());
}

} // namespace

TEST(FrameHitTest, CornersEdgesAndInsideOfASizeableWindow) {
    const QSize client(486, 400);
    const int cw = client.width(), ch = client.height();
    EXPECT_EQ(formHitTest({2, 2}, client, true), HitZone::TopLeft);
    EXPECT_EQ(formHitTest({cw - 3, ch - 3}, client, true), HitZone::BottomRight);
    EXPECT_EQ(formHitTest({cw - 3, 2}, client, true), HitZone::TopRight);
    EXPECT_EQ(formHitTest({2, ch - 3}, client, true), HitZone::BottomLeft);
    EXPECT_EQ(formHitTest({100, 100}, client, true), HitZone::Default);
    EXPECT_EQ(formHitTest({4, 100}, client, true), HitZone::Left);
    EXPECT_EQ(formHitTest({5, 100}, client, true), HitZone::Default);
    EXPECT_EQ(formHitTest({100, 4}, client, true), HitZone::Top);
    EXPECT_EQ(formHitTest({cw - 4, 100}, client, true), HitZone::Right);
    EXPECT_EQ(formHitTest({cw - 5, 100}, client, true), HitZone::Default);
    EXPECT_EQ(formHitTest({100, ch - 4}, client, true), HitZone::Bottom);
}

TEST(FrameHitTest, WindowsThatWereNotSizeableHaveNoZones) {
    EXPECT_EQ(formHitTest({2, 2}, {486, 400}, false), HitZone::Default);
    EXPECT_EQ(formHitTest({483, 397}, {486, 400}, false), HitZone::Default);
    EXPECT_EQ(titleBarHitTest({2, 2}, 486, false), HitZone::Default);
}

TEST(FrameHitTest, TheTitleBarResizesOnlyFromItsTopBand) {
    EXPECT_EQ(titleBarHitTest({2, 2}, 486, true), HitZone::TopLeft);
    EXPECT_EQ(titleBarHitTest({483, 1}, 486, true), HitZone::TopRight);
    EXPECT_EQ(titleBarHitTest({200, 4}, 486, true), HitZone::Top);
    EXPECT_EQ(titleBarHitTest({200, 5}, 486, true), HitZone::Default);
}

TEST(FramePanel, PanelLeavesBorderStripsOnThreeSides) {
    EXPECT_EQ(formPanelRect({486, 400}, 3, true), QRect(3, 0, 480, 397));
    EXPECT_EQ(formPanelRect({486, 400}, 3, false), QRect(3, 3, 480, 394));
    const QList<QRect> strips = formBorderStrips({486, 400}, 3);
    EXPECT_EQ(strips[0], QRect(0, 0, 3, 400));
    EXPECT_EQ(strips[1], QRect(0, 397, 486, 3));
    EXPECT_EQ(strips[2], QRect(483, 0, 3, 400));
}

TEST(TitleBarLayout, WinXPCloseAndMinimiseOnA480Bar) {
    const ButtonLayout layout = layoutButtons(closeAndMinimise(), 480, 2, -2, 0, false);
    EXPECT_EQ(layout.rects[0], QRect(457, 5, 21, 21));
    EXPECT_EQ(layout.rects[1], QRect(435, 5, 21, 21));
    EXPECT_EQ(layout.controlBox, -1);
    EXPECT_EQ(layout.captionLeft, 2);
    EXPECT_EQ(layout.captionRight - layout.captionLeft, 433);
}

TEST(TitleBarLayout, IntervalHiddenButtonsAndControlBox) {
    QList<ButtonSlot> buttons = closeAndMinimise();
    buttons[1].visible = false;
    buttons.prepend(ButtonSlot{true, true, QSize(21, 21), 5});
    ButtonLayout layout = layoutButtons(buttons, 480, 2, -2, 3, false);
    EXPECT_EQ(layout.controlBox, 0);
    EXPECT_EQ(layout.rects[0], QRect(2, 5, 21, 21));
    EXPECT_EQ(layout.rects[1], QRect(479 - 25, 5, 21, 21));
    EXPECT_TRUE(layout.rects[2].isNull());
    EXPECT_EQ(layout.captionLeft, 2 + 21 + 5);
    layout = layoutButtons(buttons, 480, 2, -2, 3, true);
    EXPECT_EQ(layout.captionLeft, 2 + 21);
}

TEST(TitleBarLayout, NoControlBoxAndNoOffsetStartsTheCaptionAt6) {
    const ButtonLayout layout = layoutButtons(closeAndMinimise(), 480, 0, 0, 0, false);
    EXPECT_EQ(layout.captionLeft, 6);
    EXPECT_EQ(layout.rects[0].x(), 481 - 22);
}

TEST(TitleBarLayout, SectionsFillFromBothSidesAndTheClientTakesTheRest) {
    const QList<SectionSlot> sections = {
        {SectionAlign::Left, 35}, {SectionAlign::Right, 35}, {SectionAlign::Client, 10}};
    const QList<QRect> rects = layoutSections(sections, {480, 29});
    EXPECT_EQ(rects[0], QRect(0, 0, 35, 29));
    EXPECT_EQ(rects[1], QRect(445, 0, 35, 29));
    EXPECT_EQ(rects[2], QRect(35, 0, 410, 29));
    // A right section that no longer fits is left out; the client section stops at the edge.
    const QList<QRect> narrow = layoutSections(sections, {60, 29});
    EXPECT_TRUE(narrow[1].isNull());
    EXPECT_EQ(narrow[2], QRect(35, 0, 25, 29));
}

TEST(CaptionShortening, FittingCaptionsStayWhole) {
    EXPECT_EQ(shortenCaption("Путь", 28, charWidth), "Путь");
}

TEST(CaptionShortening, CutsFromTheEndUntilTheDotsFit) {
    const QString caption = "Записная книжка v 2.1b";
    const QString shown = shortenCaption(caption, 70, charWidth);
    EXPECT_TRUE(shown.endsWith("..."));
    EXPECT_LE(charWidth(shown), 70);
    EXPECT_EQ(shown, "Записна...");
}

TEST(CaptionShortening, EndsEvenWhenNothingFits) {
    EXPECT_EQ(shortenCaption("Записная книжка", 5, charWidth), "...");
    EXPECT_EQ(shortenCaption("Записная книжка", -40, charWidth), "...");
    EXPECT_EQ(shortenCaption("", -1, charWidth), "...");
}

TEST(RoundRegion, TopCornersAreCutAlikeAndBottomCornersStaySquare) {
    EXPECT_EQ(roundCornerCuts(13), QList<int>({6, 4, 2, 2, 1, 1}));
    EXPECT_TRUE(roundCornerCuts(0).isEmpty());
    EXPECT_TRUE(roundCornerCuts(1).isEmpty());

    const QSize size(486, 400);
    const QRegion region = roundTopRegion(size, 13);
    const QList<int> cuts = roundCornerCuts(13);
    for (int y = 0; y < cuts.size(); ++y) {
        // The first kept pixel of the row on each side, counted from its own edge.
        int left = 0, right = 0;
        while (!region.contains(QPoint(left, y)))
            ++left;
        while (!region.contains(QPoint(size.width() - 1 - right, y)))
            ++right;
        EXPECT_EQ(left, cuts[y]) << "row " << y;
        EXPECT_EQ(right, cuts[y]) << "row " << y;
    }
    EXPECT_TRUE(region.contains(QPoint(0, cuts.size())));
    EXPECT_TRUE(region.contains(QPoint(size.width() - 1, cuts.size())));
    EXPECT_TRUE(region.contains(QPoint(0, size.height() - 1)));
    EXPECT_TRUE(region.contains(QPoint(size.width() - 1, size.height() - 1)));
    EXPECT_FALSE(region.contains(QPoint(size.width(), size.height() - 1)));
    EXPECT_EQ(roundTopRegion(size, 0), QRegion(0, 0, 486, 400));
}

TEST(WindowDragging, ResizingKeepsTheOppositeEdgesAndTheMinimumSize) {
    const QRect start(100, 100, 494, 429);
    EXPECT_EQ(resizedGeometry(start, Qt::RightEdge | Qt::BottomEdge, {20, 10}, {150, 50}),
              QRect(100, 100, 514, 439));
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge | Qt::TopEdge, {-10, -5}, {150, 50}),
              QRect(90, 95, 504, 434));
    // Dragging the left edge far right stops at the minimum width, right edge unmoved.
    EXPECT_EQ(resizedGeometry(start, Qt::LeftEdge, {1000, 0}, {150, 50}),
              QRect(594 - 150, 100, 150, 429));
    EXPECT_EQ(resizedGeometry(start, Qt::BottomEdge, {0, -1000}, {150, 50}),
              QRect(100, 100, 494, 50));
}
