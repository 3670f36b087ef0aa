#pragma once

#include <QLabel>
#include <QUrl>

// A caption that stands for an address: underlined in blue, red under the mouse, with
// the hand cursor; a click asks the desktop to open the address.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    static constexpr QRgb kColor = 0x0000FF;
    static constexpr QRgb kHoverColor = 0xFF0000;

    LinkLabel(const QString& caption, const QUrl& url, QWidget* parent = nullptr);

    const QUrl& url() const { return m_url; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setColor(QRgb color);

    QUrl m_url;
};
