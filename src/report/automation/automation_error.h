#pragma once

#include <QString>

#include <stdexcept>

// An error raised by an automation call: an unknown member, a wrong argument, a server
// that cannot be created or a server-side failure. The text is what the user sees.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const QString& text) : std::runtime_error(text.toStdString()) {}

    static AutomationError unknownName(const QString& name) {
        return AutomationError(QStringLiteral("Unknown name: %1.").arg(name));
    }
    static AutomationError typeMismatch() { return AutomationError("Type mismatch."); }
};
