#include "skin/controls/button.h"

#include "skin/controls/image_list_drawing.h"
#include "skin/paint/skinned_rect.h"
#include "skin/themes/theme_elements.h"

#include <QPainter>

using namespace skin::controls;
using namespace skin::paint;
using namespace skin::themes;

TsuiButton::TsuiButton(QWidget* parent) : TsuiCustomButton(parent) {
    // The base could not reach this class's style reaction while it was being built.
    setUIStyle(UIStyle());
    resize(kDefaultSize);
}

void TsuiButton::UIStyleChanged() {
    setTransparent(styleReader().flag(ThemeElement::ButtonTransparentBool));
    TsuiCustomButton::UIStyleChanged();
}

TsuiButton::GlyphPlacement TsuiButton::placeGlyph(TsuiButtonLayout layout, QSize buttonSize,
                                                  QSize glyphSize, QSize textSize, int spacing) {
    const int w = buttonSize.width(), h = buttonSize.height();
    const int gw = glyphSize.width(), gh = glyphSize.height();
    const int tw = textSize.width(), th = textSize.height();
    const int s = spacing;
    GlyphPlacement at;
    switch (layout) {
    case blGlyphLeft:
        at.glyph = {(w - gw - tw - s) / 2, (h - gh) / 2};
        at.caption = {at.glyph.x() + gw + s, (h - th) / 2};
        break;
    case blGlyphRight:
        at.glyph = {(w + tw + s - gw) / 2, (h - gh) / 2};
        at.caption = {at.glyph.x() - tw - s, (h - th) / 2};
        break;
    case blGlyphTop:
        at.glyph = {(w - gw) / 2, (h - th - gh - s) / 2};
        at.caption = {(w - tw) / 2, at.glyph.y() + gh + s};
        break;
    case blGlyphBottom:
        at.glyph = {(w - gw) / 2, (h + th + s - gh) / 2};
        at.caption = {(w - tw) / 2, at.glyph.y() - th - s};
        break;
    }
    return at;
}

void TsuiButton::DrawSkin(QPainter& painter, const QImage& face) {
    DrawSkinnedRect(face, painter, rect(), skinTransparent());
    if (m_glyph.isNull())
        return;
    const QFontMetrics metrics(painter.font());
    const QSize textSize(metrics.horizontalAdvance(text()), metrics.height());
    // A glyph exactly twice as wide as high holds an enabled and a disabled frame.
    const bool twoFrames = m_glyph.width() == 2 * m_glyph.height();
    const QSize glyphSize(twoFrames ? m_glyph.height() : m_glyph.width(), m_glyph.height());
    const GlyphPlacement at = placeGlyph(m_layout, size(), glyphSize, textSize, m_spacing);
    m_captionOrigin = at.caption;
    const QPoint origin = isMouseDown() ? at.glyph + QPoint(1, 1) : at.glyph;
    if (twoFrames) {
        // Both frames share the mask colour of the glyph's top-left pixel.
        const int frame = isEnabled() ? 0 : 1;
        const QImage picture = maskedByTopLeft(m_glyph).copy(frame * glyphSize.width(), 0,
                                                             glyphSize.width(), glyphSize.height());
        drawImageListPicture(painter, origin, picture, false, false);
    } else
        drawImageListPicture(painter, origin, m_glyph, true, !isEnabled());
}

void TsuiButton::DrawCaption(QPainter& painter) {
    if (m_glyph.isNull()) {
        TsuiCustomButton::DrawCaption(painter);
        return;
    }
    painter.setFont(font());
    painter.setBrush(Qt::NoBrush);
    const QRect area(m_captionOrigin, QPoint(width() - 1, height() - 1));
    drawCaptionText(painter, area,
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic);
}

void TsuiButton::DrawFocus(QPainter& painter) {
    if (UIStyle() == TsuiUIStyle::MacOS || UIStyle() == TsuiUIStyle::BlueGlass)
        setBoldCaption(true);
    else
        TsuiCustomButton::DrawFocus(painter);
}
