#pragma once

#include "skin/themes/skin_binding.h"

#include <QList>
#include <QWidget>

// The skinned status bar: a row of sunken panels of fixed widths with their text on the
// PanelColor background, and, on a sizeable skinned window that is not maximised, a size
// grip in the bottom-right corner whose drag keeps the window's bottom-right corner
// 5 pixels beyond the pointer (the skinned frame has no native sizing border there).
// It is aligned to its parent's bottom: it spans the parent's width on its bottom edge
// and follows it whenever the parent is resized.
class TsuiStatusBar : public QWidget, public SkinBinding {
    Q_OBJECT
    SKIN_BINDING_PROPERTIES
    Q_PROPERTY(TColor PanelColor READ PanelColor WRITE setPanelColor)
    Q_PROPERTY(TColor Color READ PanelColor WRITE setPanelColor)

public:
    struct Panel {
        int width = 50;
        QString text;
    };

    explicit TsuiStatusBar(QWidget* parent = nullptr);

    TColor PanelColor() const { return m_panelColor; }
    void setPanelColor(TColor color);

    int panelCount() const { return int(m_panels.size()); }
    void addPanel(int width, const QString& text = QString());
    QString panelText(int index) const { return m_panels.at(index).text; }
    void setPanelText(int index, const QString& text);
    // Where panel index is drawn, in the status bar's coordinates.
    QRect panelRect(int index) const;

    // Puts the bar on its parent's bottom edge, across its width, keeping its height.
    void alignToBottom();

    // The area that reacts to the mouse as the grip; empty until the grip is first drawn.
    QRect gripRect() const { return m_gripRect; }

protected:
    void UIStyleChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The grip is drawn only on a sizeable skinned window that is not maximised.
    bool gripWanted() const;

    TColor m_panelColor;
    QList<Panel> m_panels;
    QRect m_gripRect;
    bool m_mouseDown = false;
    bool m_overGrip = false;
};
