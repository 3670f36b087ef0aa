#pragma once

#include "skin/themes/skin_binding.h"

#include <QFont>
#include <QObject>

#include <algorithm>
#include <memory>

class TfrmMsg;

// A component without a window that shows something in a skinned modal window built
// anew for each showing. It holds the window's placement, caption, look and fonts.
class TsuiDialog : public QObject, public SkinBinding {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(TPosition Position READ Position WRITE setPosition)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TsuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(QFont CaptionFont READ CaptionFont WRITE setCaptionFont)

public:
    enum TPosition {
        poDesigned,
        poDefault,
        poDefaultPosOnly,
        poDefaultSizeOnly,
        poScreenCenter,
        poDesktopCenter,
        poMainFormCenter,
        poOwnerFormCenter
    };
    Q_ENUM(TPosition)

    explicit TsuiDialog(QObject* owner = nullptr);

    TPosition Position() const { return m_position; }
    void setPosition(TPosition position) { m_position = position; }
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }
    QFont Font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }
    QFont CaptionFont() const { return m_captionFont; }
    void setCaptionFont(const QFont& font) { m_captionFont = font; }
    // The caption font's colour goes with it.
    TColor captionFontColor() const { return m_captionColor; }
    void setCaptionFontColor(TColor color) { m_captionColor = color; }

    virtual int ShowModal() = 0;

protected:
    // Places window as Position says.
    void placeWindow(QWidget& window) const;
    void UIStyleChanged() override;

    Qt::CursorShape m_buttonCursor = Qt::PointingHandCursor;

private:
    TPosition m_position = poScreenCenter;
    QString m_caption = QStringLiteral("suiDialog");
    QFont m_font;
    QFont m_captionFont;
    TColor m_captionColor = TColor::fromHex(0xFFFFFF);
};

// A message in a skinned window: the text wrapped to 225 pixels, an optional icon to its
// left and one to three skinned buttons filled from the right. ShowModal returns the
// clicked button's modal result, or 2 when the window is closed from its title bar.
class TsuiMessageDialog : public TsuiDialog {
    Q_OBJECT
    Q_PROPERTY(Qt::CursorShape ButtonCursor READ ButtonCursor WRITE setButtonCursor)
    Q_PROPERTY(int ButtonCount READ ButtonCount WRITE setButtonCount)
    Q_PROPERTY(QString Button1Caption READ Button1Caption WRITE setButton1Caption)
    Q_PROPERTY(QString Button2Caption READ Button2Caption WRITE setButton2Caption)
    Q_PROPERTY(QString Button3Caption READ Button3Caption WRITE setButton3Caption)
    Q_PROPERTY(int Button1ModalResult READ Button1ModalResult WRITE setButton1ModalResult)
    Q_PROPERTY(int Button2ModalResult READ Button2ModalResult WRITE setButton2ModalResult)
    Q_PROPERTY(int Button3ModalResult READ Button3ModalResult WRITE setButton3ModalResult)
    Q_PROPERTY(TsuiIconType IconType READ IconType WRITE setIconType)
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    enum TsuiIconType { suiNone, suiWarning, suiStop, suiInformation, suiHelp };
    Q_ENUM(TsuiIconType)

    explicit TsuiMessageDialog(QObject* owner = nullptr);

    Qt::CursorShape ButtonCursor() const { return m_buttonCursor; }
    void setButtonCursor(Qt::CursorShape cursor) { m_buttonCursor = cursor; }
    int ButtonCount() const { return m_buttonCount; }
    // Kept within 1..3.
    void setButtonCount(int count) { m_buttonCount = std::clamp(count, 1, 3); }
    QString Button1Caption() const { return m_captions[0]; }
    void setButton1Caption(const QString& caption) { m_captions[0] = caption; }
    QString Button2Caption() const { return m_captions[1]; }
    void setButton2Caption(const QString& caption) { m_captions[1] = caption; }
    QString Button3Caption() const { return m_captions[2]; }
    void setButton3Caption(const QString& caption) { m_captions[2] = caption; }
    int Button1ModalResult() const { return m_results[0]; }
    void setButton1ModalResult(int result) { m_results[0] = result; }
    int Button2ModalResult() const { return m_results[1]; }
    void setButton2ModalResult(int result) { m_results[1] = result; }
    int Button3ModalResult() const { return m_results[2]; }
    void setButton3ModalResult(int result) { m_results[2] = result; }
    TsuiIconType IconType() const { return m_iconType; }
    void setIconType(TsuiIconType type) { m_iconType = type; }
    QString Text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

    // The window as ShowModal shows it, laid out and placed but not yet shown.
    std::unique_ptr<TfrmMsg> buildWindow() const;
    int ShowModal() override;

private:
    int m_buttonCount = 1;
    QString m_captions[3] = {QStringLiteral("OK"), QStringLiteral("Cancel"),
                             QStringLiteral("Cancel")};
    int m_results[3] = {1, 2, 2};
    TsuiIconType m_iconType = suiNone;
    QString m_text = QStringLiteral("Hello world!");
};
