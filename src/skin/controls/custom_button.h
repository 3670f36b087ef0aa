#pragma once

#include "skin/themes/skin_binding.h"

#include <QAbstractButton>
#include <QImage>

class QShortcut;
class QTimer;

// The behaviour of the skinned push button: the three-frame face chosen by the mouse and
// keyboard state, the caption, the focus mark, clicks from the mouse, Space and Enter,
// the accelerator and the Default and Cancel keys, the modal result handed to a dialog,
// and the auto-repeat signal while the left button is held. TsuiButton publishes the rest
// of its properties and draws the face stretched with a glyph.
class TsuiCustomButton : public QAbstractButton, public SkinBinding {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    explicit TsuiCustomButton(QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool TabStop() const { return m_tabStop; }
    void setTabStop(bool on);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    bool Default() const { return m_default; }
    void setDefault(bool on);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool on);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }
    int FocusedRectMargin() const { return m_focusMargin; }
    void setFocusedRectMargin(int margin) { m_focusMargin = margin; }
    int MouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void setMouseContinuouslyDownInterval(int ms) { m_repeatInterval = ms; }

    bool isMouseOn() const { return m_mouseOn; }
    bool isMouseDown() const { return m_mouseDown; }

signals:
    void mouseEnter();
    void mouseExit();
    // Fires every MouseContinuouslyDownInterval ms while the left button is held on the
    // button, the first time one period after the press.
    void mouseContinuouslyDown();

protected:
    virtual void UpdateAutoSize();
    virtual void CaptionChanged() {}
    virtual void FontChanged();
    virtual void TransparentChanged();
    virtual void EnabledChanged() {}
    void UIStyleChanged() override;
    virtual void DrawSkin(QPainter& painter, const QImage& face);
    virtual void DrawCaption(QPainter& painter);
    virtual void DrawFocus(QPainter& painter);
    virtual QImage GetNormalFrame() const { return faceFrame(1); }
    virtual QImage GetMouseOnFrame() const { return faceFrame(2); }
    virtual QImage GetMouseDownFrame() const { return faceFrame(3); }
    virtual QImage GetDisabledFrame() const { return faceFrame(1); }

    bool skinTransparent() const { return m_skinTransparent; }
    bool boldCaption() const { return m_boldCaption; }
    void setBoldCaption(bool on) { m_boldCaption = on; }
    // The caption text in the font colour, or embossed when disabled, in rect with flags;
    // moved one pixel right and down while pressed.
    void drawCaptionText(QPainter& painter, const QRect& rect, int flags);

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    QImage faceFrame(int index) const;
    // The first reaction to every click, before the click's own handlers run.
    void onClick();
    void releaseRepeatTimer();
    // Enter (Default) or Escape (Cancel) anywhere in the window clicks the button.
    void updateDialogKeys();
    void dialogKey();

    bool m_autoSize = false;
    bool m_tabStop = true;
    bool m_transparent = false;
    bool m_skinTransparent = false;
    bool m_default = false;
    bool m_cancel = false;
    int m_modalResult = 0;
    int m_focusMargin = 2;
    int m_repeatInterval = 100;
    bool m_mouseOn = false;
    bool m_mouseDown = false;
    bool m_boldCaption = false;
    QTimer* m_repeatTimer = nullptr;
    QList<QShortcut*> m_dialogKeys;
};
