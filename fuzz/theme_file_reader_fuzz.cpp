// Feeds arbitrary bytes to the theme file reader as a theme file, then reads every
// element from it as a control would.
#include "skin/themes/file_theme.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/theme_elements.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>
#include <unistd.h>

using namespace skin::themes;

namespace {

// The file each input is written to, removed again when the run ends.
struct ScratchFile {
    const QString path = QStringLiteral("/tmp/kalmo-theme-fuzz-%1.theme").arg(::getpid());
    ~ScratchFile() { QFile::remove(path); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFile scratch;
    const QString& path = scratch.path;
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TsuiFileTheme theme;
    try {
        theme.setThemeFile(path);
    } catch (const ThemeFileError&) {
        return 0;
    }
    for (int element = 1; element <= ThemeElement::Count; ++element) {
        QImage image;
        theme.GetBitmap(element, image, 1, 3);
        theme.GetColor(element);
        theme.GetInt(element);
        theme.GetBool(element);
    }
    return 0;
}
