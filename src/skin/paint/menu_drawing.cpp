#include "skin/paint/menu_drawing.h"

#include "platform/fonts.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/skin_resources.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <algorithm>

using namespace skin::themes;

namespace skin::paint {

namespace {

// Stretches the top rows of a one-column resource over rect, without smoothing.
void stretchTopRows(QPainter& painter, const QRect& rect, const char* resource, int rows) {
    const QImage image = loadSkinResource(resource);
    stretchBlit(painter, rect, image, QRect(0, 0, image.width(), std::min(rows, image.height())),
                false);
}

} // namespace

void FrameRectColor(QPainter& painter, const QRect& rect, TColor color) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QColor c = color.toQColor();
    const int l = rect.x(), t = rect.y(), w = rect.width(), h = rect.height();
    painter.fillRect(QRect(l, t, w, 1), c);
    painter.fillRect(QRect(l, t + h - 1, w, 1), c);
    painter.fillRect(QRect(l, t, 1, h), c);
    painter.fillRect(QRect(l + w - 1, t, 1, h), c);
}

void FillRectColor(QPainter& painter, const QRect& rect, TColor color) {
    painter.fillRect(rect, color.toQColor());
}

void DrawMenuSeparator(QPainter& painter, const QRect& rect, TColor color, int indent) {
    const int from = rect.x() + indent + 4;
    const int to = rect.x() + rect.width() - 2;
    if (to > from)
        painter.fillRect(QRect(from, rect.y() + 2, to - from, 1), color.toQColor());
}

void DrawMacMenuBarShort(QPainter& painter, const QRect& rect) {
    stretchTopRows(painter, rect, "MACOS_MENU_BAR", 12);
}

void DrawMacMenuBarTall(QPainter& painter, const QRect& rect) {
    stretchTopRows(painter, rect, "MACOS_MENU_BAR", 20);
}

void DrawMacMenuSelection(QPainter& painter, const QRect& rect) {
    stretchTopRows(painter, rect, "MACOS_MENU_SELECT", 20);
}

void DrawPopupMenuFrame(QPainter& painter, const QRect& window, TColor frameColor,
                        TColor shadowColor) {
    const int l = window.x(), t = window.y();
    const int r = l + window.width(), b = t + window.height();
    // The frame's right and bottom edges are the window's last column and row, so no
    // other colour shows outside them.
    const QRect frame(l, t + 1, r - l, b - (t + 1));
    FrameRectColor(painter, frame, frameColor);
    FrameRectColor(painter, frame.adjusted(1, 1, -1, -1), TColor::fromHex(0xFFFFFF));
    // The top row joins the list to the bar it drops from; the pen leaves out its start.
    painter.fillRect(QRect(l + 1, t, (r - 1) - l, 1), shadowColor.toQColor());
}

void GetMenuSystemFont(QFont& font, QColor& color) {
    font = platform::menuFont();
    color = QApplication::palette("QMenu").color(QPalette::Active, QPalette::WindowText);
}

} // namespace skin::paint
