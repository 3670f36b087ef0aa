#include "app/look_setting.h"

#include "platform/user_settings.h"

namespace app {

namespace {

const QString kLookKey = QStringLiteral("Look");
const QString kThemeFileKey = QStringLiteral("LookThemeFile");

} // namespace

QList<TsuiUIStyle> offeredStyles() {
    return {TsuiUIStyle::WinXP, TsuiUIStyle::MacOS, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein,
            TsuiUIStyle::BlueGlass};
}

QString lookCaption(TsuiUIStyle style) {
    switch (style) {
    case TsuiUIStyle::WinXP:
        return QStringLiteral("Windows XP");
    case TsuiUIStyle::MacOS:
        return QStringLiteral("Mac OS");
    case TsuiUIStyle::DeepBlue:
        return QStringLiteral("Deep Blue");
    case TsuiUIStyle::Protein:
        return QStringLiteral("Protein");
    case TsuiUIStyle::BlueGlass:
        return QStringLiteral("Blue Glass");
    case TsuiUIStyle::FromThemeFile:
        break;
    }
    return QStringLiteral("Тема из файла");
}

Look loadLook() {
    const QSettings settings = platform::userSettings();
    const QString name = settings.value(kLookKey).toString();
    const QString themeFile = settings.value(kThemeFileKey).toString();
    if (name == skin::themes::uiStyleName(TsuiUIStyle::FromThemeFile))
        return themeFile.isEmpty() ? Look() : Look{TsuiUIStyle::FromThemeFile, themeFile};
    TsuiUIStyle style;
    if (!skin::themes::builtInStyleFromName(name, style))
        return Look();
    return Look{style, QString()};
}

bool saveLook(const Look& look) {
    QSettings settings = platform::userSettings();
    if (!platform::makeUserSettingsFolder(settings))
        return false;
    settings.setValue(kLookKey, skin::themes::uiStyleName(look.style));
    if (look.style == TsuiUIStyle::FromThemeFile)
        settings.setValue(kThemeFileKey, look.themeFile);
    else
        settings.remove(kThemeFileKey);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace app
