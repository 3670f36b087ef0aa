#pragma once

#include "skin/themes/tcolor.h"

#include <QImage>
#include <QWidget>

// A panel without bevels that paints itself in one step: the parent's background when
// transparent, otherwise its colour; an optional picture drawn normal, stretched or
// tiled; and its text on one line, aligned or at a fixed position.
class TsuiCustomPanel : public QWidget {
    Q_OBJECT

public:
    enum DrawStyle { Normal, Stretch, Tile };

    explicit TsuiCustomPanel(QWidget* parent = nullptr);

    bool isTransparent() const { return m_transparent; }
    void setTransparentBackground(bool on);
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    void setDrawStyle(DrawStyle style);
    // Sizes the panel to its picture whenever the picture changes.
    void setAutoSizeToPicture(bool on);
    QString panelText() const { return m_text; }
    void setPanelText(const QString& text);
    void setTextAlignment(Qt::Alignment alignment);
    // A fixed place for the text; (-1, -1) aligns it instead.
    void setTextPosition(QPoint position);
    // The background when not transparent.
    TColor Color() const { return TColor::fromQColor(palette().color(QPalette::Window)); }
    void setColor(TColor color);

protected:
    virtual void CaptionChanged() {}
    virtual void PictureChanged();
    virtual void SetTransparent(bool on);
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    bool m_transparent = false;
    bool m_autoSize = false;
    DrawStyle m_drawStyle = Normal;
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    QPoint m_textPosition{-1, -1};
};
