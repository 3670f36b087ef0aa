#pragma once

#include <QValidator>

namespace app {

// Lets a text box of the main window take only what a text field of the base keeps: at
// most 50 characters, every one of them in the base's code page. What it refuses, typed
// or pasted, is refused whole, and refusal() says why.
class ContactTextValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;

    // Why input cannot be kept, as a short hint for the status bar; empty when it can.
    static QString refusal(const QString& input);
    // Why the last input refused was refused.
    QString lastRefusal() const { return m_lastRefusal; }

private:
    mutable QString m_lastRefusal;
};

} // namespace app
