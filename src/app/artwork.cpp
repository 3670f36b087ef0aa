#include "app/artwork.h"

#include "skin/themes/skin_resources.h"

using namespace skin::themes;

namespace app {

QImage imageListIcon(int index) {
    return builtInPicture(imageListIconFile(index), QImage::Format_ARGB32_Premultiplied);
}

QList<QImage> imageList1() {
    QList<QImage> icons;
    for (int i = 0; i < ImageListCount; ++i)
        icons << imageListIcon(i);
    return icons;
}

QImage navigationGlyph(Glyph glyph) {
    return builtInPicture(navigationGlyphFile(glyph), QImage::Format_ARGB32_Premultiplied);
}

} // namespace app
