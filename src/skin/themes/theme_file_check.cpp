#include "skin/themes/theme_file_check.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/theme_elements.h"
#include "skin/themes/theme_file_reader.h"

#include <QFileInfo>
#include <QImage>

#include <memory>

namespace skin::themes {

QString themeFileProblem(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile())
        return QStringLiteral("Файл «%1» не найден.").arg(name);
    std::unique_ptr<TsuiThemeFileReader> reader;
    try {
        reader = std::make_unique<TsuiThemeFileReader>(path);
    } catch (const ThemeFileError&) {
        return QStringLiteral("Файл «%1» повреждён или не является файлом темы: его записи "
                              "указывают за конец файла, или он не читается.")
            .arg(name);
    }
    for (int element = 1; element <= ThemeElement::Count; ++element) {
        const QString key = QLatin1String(elementKey(element));
        switch (elementKindOf(element)) {
        case ElementKind::Image: {
            const std::optional<QByteArray> data = reader->FindImage(key);
            QImage picture;
            if (!data)
                break;
            if (!readThemeBitmap(*data, picture))
                return QStringLiteral("В файле темы «%1» повреждён рисунок %2.").arg(name, key);
            continue;
        }
        case ElementKind::Bool:
            if (reader->hasBoolean(key))
                continue;
            break;
        case ElementKind::Int:
        case ElementKind::Color:
            if (reader->hasInteger(key))
                continue;
            break;
        }
        return QStringLiteral("Файл «%1» не является полной темой: в нём нет элемента %2.")
            .arg(name, key);
    }
    return QString();
}

} // namespace skin::themes
