#include "skin/themes/ui_style.h"

#include <QMetaEnum>

namespace skin::themes {

QString uiStyleName(TsuiUIStyle style) {
    return QString::fromLatin1(QMetaEnum::fromType<TsuiUIStyle>().valueToKey(style));
}

bool builtInStyleFromName(const QString& name, TsuiUIStyle& style) {
    for (TsuiUIStyle candidate : kBuiltInStyles) {
        if (uiStyleName(candidate).compare(name, Qt::CaseInsensitive) == 0) {
            style = candidate;
            return true;
        }
    }
    return false;
}

} // namespace skin::themes
