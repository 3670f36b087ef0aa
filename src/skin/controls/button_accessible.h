#pragma once

#include <QAccessibleWidget>

class TsuiCustomButton;

// What a screen reader learns of a skinned button: a push button named by its caption
// (or hint), pressed while the mouse or the Space key holds it down, and disabled like
// any widget. The skinned button tracks its own pressed state, which the stock button
// interface does not see when the key holds it.
class TsuiButtonAccessible : public QAccessibleWidget {
public:
    explicit TsuiButtonAccessible(TsuiCustomButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Registers the interface for every skinned button; runs once however often called.
    static void install();

private:
    TsuiCustomButton* button() const;
};
