#pragma once

#include <QWidget>

#include <initializer_list>

namespace app {

// Enables or disables a group of controls in one statement.
inline void setControlsEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls)
        control->setEnabled(enabled);
}

} // namespace app
