#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace platform {

void registerInterfaceFonts() {
    static const char* const kFonts[] = {
        "/usr/share/wine/fonts/tahoma.ttf",
        "/usr/share/wine/fonts/tahomabd.ttf",
        "/usr/share/wine/fonts/ms_sans_serif.ttf",
    };
    for (const char* path : kFonts) {
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont unsmoothed(QFont font) {
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    return font;
}

QFont interfaceFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return unsmoothed(font);
}

QFont menuFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return unsmoothed(font);
}

} // namespace platform
