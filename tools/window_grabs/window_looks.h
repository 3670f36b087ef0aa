#pragma once

#include "skin/themes/ui_style.h"

#include <QList>
#include <QString>

class QWidget;

// One look the windows are grabbed in.
struct WindowLook {
    QString name;
    // False for the windows exactly as the program builds them; otherwise every skinned
    // component is given `style` (and, for FromThemeFile, the theme file) afterwards.
    bool restyled;
    TsuiUIStyle style;
};

// The program's own set-up, each built-in style, and a theme file.
QList<WindowLook> windowLooks();

// Gives every component of window that publishes "UIStyle" the look, in creation order,
// through its properties, the way a stored description would.
void applyLook(QWidget* window, const WindowLook& look, const QString& themeFile);
