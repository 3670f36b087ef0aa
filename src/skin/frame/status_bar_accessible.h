#pragma once

#include <QAccessibleWidget>

class TsuiStatusBar;

namespace skin::frame {

// A skinned status bar as a screen reader sees it: a status bar whose name and value are
// the texts of its panels, with one static text per panel as its children.
class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(TsuiStatusBar* bar);
    ~StatusBarAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The texts of the panels that say something, in order, as one line.
    static QString panelTexts(const TsuiStatusBar* bar);

    // Registers the interface for every skinned status bar; runs once however often
    // called.
    static void install();

private:
    TsuiStatusBar* bar() const;
    // Panel interfaces live as long as this one; the cache holds them.
    mutable QList<QAccessible::Id> m_panels;
};

} // namespace skin::frame
