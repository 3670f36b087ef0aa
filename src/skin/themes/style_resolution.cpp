#include "skin/themes/style_resolution.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/form_state.h"

#include <QVariant>
#include <QWidget>

bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& resolved) {
    resolved = style;
    if (style != TsuiUIStyle::FromThemeFile)
        return false;
    if (fileTheme && fileTheme->CanUse())
        return true;
    resolved = TsuiUIStyle::DeepBlue;
    return false;
}

TsuiUIStyle OwnerFormStyle(const QObject* owner) {
    const auto* form = qobject_cast<const QWidget*>(owner);
    if (!form || !form->isWindow())
        return TsuiUIStyle::DeepBlue;
    for (const QObject* child : form->children()) {
        if (child->isWidgetType() && child->inherits("TsuiForm"))
            return child->property("UIStyle").value<TsuiUIStyle>();
    }
    return TsuiUIStyle::DeepBlue;
}

void ApplyStyleToChildren(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme) {
    if (!container)
        return;
    for (QObject* child : container->children()) {
        if (!child->isWidgetType() || !HasProperty(child, "FileTheme") ||
            !HasProperty(child, "UIStyle"))
            continue;
        child->setProperty("FileTheme", QVariant::fromValue(fileTheme));
        child->setProperty("UIStyle", QVariant::fromValue(style));
    }
}
