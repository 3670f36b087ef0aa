#pragma once

#include "skin/frame/frame_geometry.h"
#include "skin/frame/title_bar_items.h"
#include "skin/themes/skin_binding.h"
#include "skin/themes/tcolor.h"

#include <QList>
#include <QWidget>

#include <optional>

class TsuiTitleBarPopupMenu;
class TsuiForm;

// The skinned caption of a window: background sections, the caption text and a row of
// buttons (close, minimise, maximise/restore, help, custom, and a control box at the
// left). It moves the window when pressed outside its buttons and owns the window menu.
class TsuiTitleBar : public QWidget, public SkinBinding {
    Q_OBJECT
    Q_PROPERTY(bool Custom READ Custom WRITE setCustom)
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(int ButtonInterval READ ButtonInterval WRITE setButtonInterval)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool FormActive READ FormActive WRITE setFormActive)
    Q_PROPERTY(int LeftBtnXOffset READ LeftBtnXOffset WRITE setLeftBtnXOffset)
    Q_PROPERTY(int RightBtnXOffset READ RightBtnXOffset WRITE setRightBtnXOffset)
    Q_PROPERTY(bool DrawAppIcon READ DrawAppIcon WRITE setDrawAppIcon)
    Q_PROPERTY(int RoundCorner READ RoundCorner WRITE setRoundCorner)

public:
    explicit TsuiTitleBar(QWidget* owner);
    ~TsuiTitleBar() override;

    bool Custom() const { return m_custom; }
    void setCustom(bool custom) { m_custom = custom; }
    // Keeps the caption colour set by hand.
    void setFileTheme(TsuiFileTheme* theme);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    int ButtonInterval() const { return m_buttonInterval; }
    void setButtonInterval(int interval);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    bool FormActive() const { return m_formActive; }
    void setFormActive(bool active);
    int LeftBtnXOffset() const { return m_leftOffset; }
    void setLeftBtnXOffset(int offset);
    int RightBtnXOffset() const { return m_rightOffset; }
    void setRightBtnXOffset(int offset);
    bool DrawAppIcon() const { return m_drawAppIcon; }
    void setDrawAppIcon(bool draw);
    int RoundCorner() const { return m_roundCorner; }
    void setRoundCorner(int corner);

    // The caption colour while the form is active (the font's colour).
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);

    // The buttons, in collection order.
    const QList<TsuiTitleBarButton>& Buttons() const { return m_buttons; }
    // Replaces the buttons by copies of buttons: visibility, type, transparency, top and
    // style first, then the pictures (those that hold one) and the control-box menu.
    void setButtons(const QList<TsuiTitleBarButton>& buttons);
    int addButton(TsuiTitleBarBtnType type);
    // Refused with an error box when it would make a second control box.
    bool setButtonType(int index, TsuiTitleBarBtnType type);
    void setButtonStyle(int index, TsuiUIStyle style);
    void setButtonVisible(int index, bool visible);

    const QList<TsuiTitleBarSection>& Sections() const { return m_sections; }
    void setSections(const QList<TsuiTitleBarSection>& sections);
    int addSection(TsuiTitleBarAlign align);
    // Refused with an error box when it would make a second client section.
    bool setSectionAlign(int index, TsuiTitleBarAlign align);
    void setSectionAutoSize(int index, bool autoSize);
    void setSectionPicture(int index, const QImage& picture);
    void setSectionStretch(int index, bool stretch);

    // Button geometry of the current width, and the caption as it is drawn.
    skin::frame::ButtonLayout Layout() const;
    QString shownCaption() const;
    // The button under the mouse at the last paint, -1 for none.
    int hoveredButton() const { return m_hovered; }

    void DoButtonAction(int index);
    void UpdateMaxGlyph(int index);
    void updateMaxGlyphs();
    // Shapes the window: top corners rounded with a corner x corner ellipse.
    void SetRoundRegion(int corner);
    TsuiTitleBarPopupMenu* PopupMenu() const { return m_popup; }

signals:
    void customBtnsClick(int buttonIndex);
    void helpBtnClick(int buttonIndex);

protected:
    void UIStyleChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyButtonStyle(int index);
    void applySectionHeight();
    int buttonAt(const QPoint& point) const;
    bool formMaximised() const;
    TsuiForm* skinnedForm() const;
    void minimise();

    bool m_custom = false;
    bool m_autoSize = false;
    int m_buttonInterval = 0;
    QString m_caption;
    bool m_formActive = true;
    int m_leftOffset = 0;
    int m_rightOffset = 0;
    bool m_drawAppIcon = false;
    int m_roundCorner = 0;
    TColor m_fontColor = TColor::fromHex(0xFFFFFF);
    TColor m_outlineColor;
    int m_stripHeight = 0;
    int m_captionTop = 0;
    bool m_keepFontColor = false;
    bool m_pressed = false;
    int m_hovered = -1;
    std::optional<QPoint> m_mouse;
    QList<TsuiTitleBarButton> m_buttons;
    QList<TsuiTitleBarSection> m_sections;
    TsuiTitleBarPopupMenu* m_popup = nullptr;
};
