#include "contact_sheet.h"

#include "skin/paint/keyed_blit.h"
#include "skin/paint/menu_drawing.h"
#include "skin/paint/skinned_rect.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <QFont>
#include <QPainter>

using namespace skin::paint;
using namespace skin::themes;

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kMargin = 16;
constexpr int kScale = 2;
const QColor kPaper(0xF4, 0xF4, 0xF4);

// Lays pictures out left to right, wrapping at the sheet's width.
class Flow {
public:
    Flow(QPainter& painter, int top) : m_painter(painter), m_y(top) {}

    void heading(const QString& text) {
        newLine();
        QFont font = m_painter.font();
        font.setPixelSize(22);
        font.setBold(true);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(kMargin, m_y + 22, text);
        m_y += 34;
    }

    // Small pictures are shown four times their size, the rest twice.
    void item(const QString& label, const QImage& image, int scale = 0) {
        if (scale == 0)
            scale = image.width() <= 24 && image.height() <= 24 ? 2 * kScale : kScale;
        const QSize size = image.size() * scale;
        const int width = std::max(size.width(), 210);
        if (m_x + width > kSheetWidth - kMargin)
            newLine();
        m_painter.fillRect(QRect(QPoint(m_x, m_y), size).adjusted(-1, -1, 1, 1), Qt::darkGray);
        m_painter.drawImage(QRect(QPoint(m_x, m_y), size), image);
        QFont font = m_painter.font();
        font.setPixelSize(11);
        font.setBold(false);
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(
            m_x, m_y + size.height() + 14,
            QStringLiteral("%1 %2x%3").arg(label).arg(image.width()).arg(image.height()));
        m_x += width + 14;
        m_rowHeight = std::max(m_rowHeight, size.height() + 22);
    }

    void newLine() {
        if (m_rowHeight > 0)
            m_y += m_rowHeight + 10;
        m_x = kMargin;
        m_rowHeight = 0;
    }

    int bottom() const { return m_y + m_rowHeight; }

private:
    QPainter& m_painter;
    int m_x = kMargin;
    int m_y;
    int m_rowHeight = 0;
};

QImage styleImage(TsuiUIStyle style, int element, int frame = 0, int frames = 0) {
    QImage image;
    GetStyleBitmap(style, element, &image, frame, frames);
    return image;
}

// A window of the style put together from its pieces the way the frame draws them: the
// caption's three sections, close/maximise/minimise buttons, and push buttons in their
// three states on the form background.
QImage windowPreview(TsuiUIStyle style) {
    namespace E = ThemeElement;
    const QImage left = styleImage(style, E::TitleBarLeftImage);
    const QImage client = styleImage(style, E::TitleBarClientImage);
    const QImage right = styleImage(style, E::TitleBarRightImage);
    const int width = 420, title = left.height(), height = title + 70;
    const int border = std::max(1, GetStyleInt(style, E::FormBorderWidthInt));
    QImage window(width, height, QImage::Format_RGB32);
    window.fill(GetStyleColor(style, E::FormBackgroundColor).toQColor());
    QPainter painter(&window);
    if (style == TsuiUIStyle::MacOS || style == TsuiUIStyle::Protein) {
        const QImage pattern = loadSkinResource(
            style == TsuiUIStyle::MacOS ? "MACOS_FORM_BACKGROUND" : "PROTEIN_FORM_BACKGROUND");
        painter.fillRect(window.rect(), QBrush(pattern));
    }
    painter.drawImage(QRect(left.width(), 0, width - left.width() - right.width(), title), client);
    // The rounded corners are keyed out, as the form's rounded window shape would cut them.
    stretchBlit(painter, QRect(QPoint(0, 0), left.size()), left, left.rect(), true);
    stretchBlit(painter, QRect(QPoint(width - right.width(), 0), right.size()), right, right.rect(),
                true);
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(8, 0, 200, title), Qt::AlignVCenter, QStringLiteral("Записная книжка"));

    const int top = GetStyleInt(style, E::TitleBarButtonTopInt);
    int x = width + GetStyleInt(style, E::TitleBarButtonRightOffsetInt) - 2;
    const bool keyed = GetStyleBool(style, E::TitleBarButtonTransparentBool);
    for (int frame : {16, 7, 13}) {
        QImage button = styleImage(style, E::TitleBarButtonImage, frame, 18);
        if (keyed) {
            button = button.convertToFormat(QImage::Format_ARGB32);
            const QRgb key = button.pixel(0, button.height() - 1);
            for (int py = 0; py < button.height(); ++py)
                for (int px = 0; px < button.width(); ++px)
                    if (button.pixel(px, py) == key)
                        button.setPixel(px, py, 0);
        }
        x -= button.width() + 1;
        painter.drawImage(x, top, button);
    }
    const QColor edge = GetStyleColor(style, E::FormBorderColor).toQColor();
    for (int i = 0; i < border; ++i) {
        painter.fillRect(QRect(i, title, 1, height - title), edge);
        painter.fillRect(QRect(width - 1 - i, title, 1, height - title), edge);
        painter.fillRect(QRect(0, height - 1 - i, width, 1), edge);
    }
    const bool keyedFace = GetStyleBool(style, E::ButtonTransparentBool);
    for (int state = 1; state <= 3; ++state) {
        const QImage face = styleImage(style, E::ButtonImage, state, 3);
        painter.save();
        painter.translate(20 + (state - 1) * 100, title + 22);
        DrawSkinnedRect(face, painter, QRect(0, 0, 80, 27), keyedFace);
        font.setBold(false);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, 80, 27), Qt::AlignCenter, QStringLiteral("Сохранить"));
        painter.restore();
    }
    return window;
}

} // namespace

QImage drawContactSheet() {
    QImage sheet(kSheetWidth, 6000, QImage::Format_RGB32);
    sheet.fill(kPaper);
    QPainter painter(&sheet);
    Flow flow(painter, kMargin);
    for (TsuiUIStyle style : kBuiltInStyles) {
        flow.heading(uiStyleName(style));
        flow.item(QStringLiteral("window"), windowPreview(style), 1);
        flow.newLine();
        for (int e = 1; e <= ThemeElement::Count; ++e) {
            if (elementKindOf(e) == ElementKind::Image)
                flow.item(QLatin1String(styleImageName(style, e)), styleImage(style, e));
        }
        flow.newLine();
    }
    flow.heading(QStringLiteral("Shared"));
    for (const char* name : kExtraSkinResources)
        flow.item(QLatin1String(name), loadSkinResource(name));
    // The pinstripes of the MacOS menu bar show only when it is stretched as menus draw it.
    QImage menuBar(240, 20, QImage::Format_RGB32);
    {
        QPainter barPainter(&menuBar);
        DrawMacMenuBarTall(barPainter, QRect(0, 0, 160, 20));
        DrawMacMenuSelection(barPainter, QRect(160, 0, 80, 20));
    }
    flow.item(QStringLiteral("MacOS menu bar, selection"), menuBar);
    flow.newLine();
    painter.end();
    return sheet.copy(0, 0, kSheetWidth, flow.bottom() + kMargin);
}
