#pragma once

#include "skin/themes/ui_style.h"

#include <QList>
#include <QString>

namespace app {

// A look of the program's windows: a built-in style, or FromThemeFile with the path of
// the theme file it comes from.
struct Look {
    TsuiUIStyle style = skin::themes::kProgramStyle;
    QString themeFile;
    bool operator==(const Look&) const = default;
};

// The built-in styles as the "Вид" menu offers them, in its order.
QList<TsuiUIStyle> offeredStyles();
// The style's caption in that menu ("Windows XP").
QString lookCaption(TsuiUIStyle style);

// The look saved in the user's settings: the values "Look" (the style's stored name,
// "WinXP") and "LookThemeFile" beside "ImagesPath". Nothing saved, a name that is no
// style, or FromThemeFile without a file give the program's own look.
Look loadLook();
// Saves the look; false when the settings file cannot be written.
bool saveLook(const Look& look);

} // namespace app
