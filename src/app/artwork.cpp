#include "app/artwork.h"

// The generated resource file sits in a static library, so nothing registers it unless
// someone asks. Q_INIT_RESOURCE must be used outside any namespace.
static void registerArtwork() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(skin_artwork);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace app {

QImage builtInPicture(const QString& file, QImage::Format format) {
    registerArtwork();
    const QImage image(QLatin1String(":/") + file);
    return image.isNull() ? image : image.convertToFormat(format);
}

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
