#pragma once

#include <QImage>
#include <QString>

namespace skin::themes {

// A picture built into the program, by its path inside the resources ("skin/MSGDLG.png",
// "app/ABOUT_ICON.png"), converted to format; null if the program was built without it.
QImage builtInPicture(const QString& file, QImage::Format format);

// The skin bitmaps built into the program, by resource name ("WINXP_BUTTON",
// "MACOS_MENU_BAR", "MAINICON"). Bitmaps come back as 32-bit RGB; magenta #FF00FF marks
// the pixels that keyed drawing leaves out. A name that is not built in gives a null image.
QImage loadSkinResource(const char* name);

// The resource names outside the style tables that the skinned classes load by name.
inline constexpr const char* kExtraSkinResources[] = {
    "MACOS_FORM_BACKGROUND",
    "PROTEIN_FORM_BACKGROUND",
    "MACOS_MENU_BAR",
    "MACOS_MENU_SELECT",
    "MENU_CHECKED",
    "WINXP_COMBOBOX_BUTTON",
    "MACOS_COMBOBOX_BUTTON",
    "STATUSBAR_HANDLE",
    "MSGDLG",
    "MAINICON",
};

} // namespace skin::themes
