#pragma once

#include "skin/controls/panel.h"
#include "skin/themes/skin_binding.h"

// The framed, captioned container: a one-pixel frame of BorderColor whose top line runs
// at half the caption's height with a gap for the caption. Its style goes to the skinned
// controls directly inside, and enabling or disabling it does the same to every control
// directly inside.
class TsuiCustomGroupBox : public TsuiCustomPanel, public SkinBinding {
    Q_OBJECT

public:
    static constexpr QSize kDefaultSize{185, 105};

    explicit TsuiCustomGroupBox(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool Transparent() const { return isTransparent(); }
    void setTransparent(bool on) { setTransparentBackground(on); }
    TColor BorderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    // The caption's colour; the controls inside keep their own.
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);

protected:
    virtual void ApplyStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme);
    void UIStyleChanged() override;
    // The controls inside fall back to DeepBlue with the box.
    void fileThemeRemoved() override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The caption's height in pixels: the font's stored height (points at 96 dpi).
    int captionHeight() const;
    // Children placed by a layout go inside the frame and below the caption.
    void updateAlignedArea();

    QString m_caption;
    TColor m_borderColor, m_fontColor;
};

// Publishes the group box's properties.
class TsuiGroupBox : public TsuiCustomGroupBox {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)

public:
    using TsuiCustomGroupBox::TsuiCustomGroupBox;
};
