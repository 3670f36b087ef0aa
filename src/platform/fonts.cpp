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

QString interfaceFontFamily() {
    return QStringLiteral("MS Sans Serif");
}

} // namespace platform
