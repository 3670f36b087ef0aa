#pragma once

#include "skin/themes/tcolor.h"

#include <QLabel>

// A caption that acts as a link: underlined, FontLinkColor normally and FontHoverColor
// under the mouse, with the hand cursor; a click asks the desktop to open URL (unless it
// is blank) and then emits clicked().
class TsuiURLLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(TColor FontLinkColor READ FontLinkColor WRITE setFontLinkColor)
    Q_PROPERTY(TColor FontHoverColor READ FontHoverColor WRITE setFontHoverColor)

public:
    static constexpr TColor kLinkColor = TColor::fromHex(0x0000FF);
    static constexpr TColor kHoverColor = TColor::fromHex(0xFF0000);

    explicit TsuiURLLabel(QWidget* parent = nullptr);

    QString URL() const { return m_url; }
    void setURL(const QString& url);
    TColor FontLinkColor() const { return m_linkColor; }
    // Takes effect at once, even under the mouse.
    void setFontLinkColor(TColor color);
    TColor FontHoverColor() const { return m_hoverColor; }
    void setFontHoverColor(TColor color) { m_hoverColor = color; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setTextColor(TColor color);

    QString m_url;
    TColor m_linkColor = kLinkColor;
    TColor m_hoverColor = kHoverColor;
};
