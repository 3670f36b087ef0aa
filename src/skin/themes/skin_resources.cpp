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

namespace skin::themes {

QImage builtInPicture(const QString& file, QImage::Format format) {
    registerSkinArtwork();
    const QImage image(QLatin1String(":/") + file);
    return image.isNull() ? image : image.convertToFormat(format);
}

QImage loadSkinResource(const char* name) {
    // The program icon keeps its alpha channel; every skin bitmap is plain RGB.
    const QImage::Format format =
        qstrcmp(name, "MAINICON") == 0 ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    return builtInPicture(QStringLiteral("skin/%1.png").arg(QLatin1String(name)), format);
}

} // namespace skin::themes
