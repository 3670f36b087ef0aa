#include "skin/themes/skin_resources.h"

#include <QString>

// The generated resource file sits in a static library: register it by hand once, or the
// linker may drop it. Q_INIT_RESOURCE must be used outside any namespace.
static void registerSkinArtwork() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(skin_artwork);
        return true;
    }();
    Q_UNUSED(registered);
}

QImage loadSkinResource(const char* name) {
    registerSkinArtwork();
    QImage image(QStringLiteral(":/skin/%1.png").arg(QLatin1String(name)));
    if (image.isNull())
        return image;
    // The program icon keeps its alpha channel; every skin bitmap is plain RGB.
    if (qstrcmp(name, "MAINICON") == 0)
        return image.convertToFormat(QImage::Format_ARGB32);
    return image.convertToFormat(QImage::Format_RGB32);
}
