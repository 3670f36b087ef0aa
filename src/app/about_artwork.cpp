#include "app/about_artwork.h"

#include "skin/themes/skin_resources.h"

using namespace skin::themes;

namespace app {

QImage aboutPhoto() {
    return builtInPicture(QLatin1String(kAboutPhotoFile), QImage::Format_RGB32);
}

QImage aboutIcon() {
    return builtInPicture(QLatin1String(kAboutIconFile), QImage::Format_ARGB32_Premultiplied);
}

} // namespace app
