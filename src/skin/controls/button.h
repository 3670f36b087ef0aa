#pragma once

#include "skin/controls/custom_button.h"

// The skinned push button of the windows: the face stretched to any size with its corners
// kept, an optional glyph placed by Layout beside the caption, Default and Cancel, and
// the look taken from UIStyle (or the file theme).
class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)
    Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE setFocusedRectMargin)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(TsuiButtonLayout Layout READ Layout WRITE setLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE setSpacing)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
                   setMouseContinuouslyDownInterval)
    Q_PROPERTY(quint32 ResHandle READ ResHandle WRITE setResHandle)

public:
    enum TsuiButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TsuiButtonLayout)

    static constexpr QSize kDefaultSize{80, 27};

    explicit TsuiButton(QWidget* parent = nullptr);

    QImage Glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph) { m_glyph = glyph; }
    // The toolkit's layout manager keeps its setter beside the glyph layout's.
    using TsuiCustomButton::setLayout;
    TsuiButtonLayout Layout() const { return m_layout; }
    void setLayout(TsuiButtonLayout layout) { m_layout = layout; }
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing) { m_spacing = spacing; }
    // Kept for stored window descriptions: always 0, writes are ignored.
    quint32 ResHandle() const { return 0; }
    void setResHandle(quint32) {}

    // Where the glyph and the caption go for a glyph of glyphSize and a caption of
    // textSize on a button of buttonSize.
    struct GlyphPlacement {
        QPoint glyph;
        QPoint caption;
    };
    static GlyphPlacement placeGlyph(TsuiButtonLayout layout, QSize buttonSize, QSize glyphSize,
                                     QSize textSize, int spacing);

protected:
    void UIStyleChanged() override;
    void DrawSkin(QPainter& painter, const QImage& face) override;
    void DrawCaption(QPainter& painter) override;
    void DrawFocus(QPainter& painter) override;

private:
    QImage m_glyph;
    TsuiButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
    QPoint m_captionOrigin;
};
