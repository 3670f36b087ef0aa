#include "window_looks.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/property_names.h"
#include "skin/themes/theme_manager.h"

#include <QVariant>
#include <QWidget>

using namespace skin::themes;

QList<WindowLook> windowLooks() {
    QList<WindowLook> looks{{QStringLiteral("AsBuilt"), false, TsuiUIStyle::WinXP}};
    for (TsuiUIStyle style : kBuiltInStyles)
        looks.append({uiStyleName(style), true, style});
    looks.append({uiStyleName(TsuiUIStyle::FromThemeFile), true, TsuiUIStyle::FromThemeFile});
    return looks;
}

void applyLook(QWidget* window, const WindowLook& look, const QString& themeFile) {
    if (!look.restyled)
        return;
    TsuiFileTheme* theme = nullptr;
    if (look.style == TsuiUIStyle::FromThemeFile) {
        theme = new TsuiFileTheme(window);
        theme->setThemeFile(themeFile);
    }
    for (QObject* component : window->findChildren<QObject*>()) {
        // A theme manager would hand its own file theme to the windows linked to it.
        if (qobject_cast<TsuiThemeManager*>(component))
            continue;
        if (!HasProperty(component, "UIStyle"))
            continue;
        if (HasProperty(component, "FileTheme"))
            component->setProperty("FileTheme", QVariant::fromValue(theme));
        component->setProperty("UIStyle", QVariant::fromValue(look.style));
    }
}
