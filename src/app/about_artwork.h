#pragma once

#include <QImage>

// The About window's pictures: a photograph-like portrait of an open address book on a
// desk, and the program's 32 x 32 icon. The build draws them (tools/artwork).
namespace app {

QImage aboutPhoto();
QImage aboutIcon();

// Where the build puts them inside the resources.
inline constexpr char kAboutPhotoFile[] = "app/ABOUT_PHOTO.png";
inline constexpr char kAboutIconFile[] = "app/ABOUT_ICON.png";

} // namespace app
