#include "skin/themes/style_inheritance.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/property_names.h"

#include <QVariant>
#include <QWidget>

namespace skin::themes {

using namespace skin::themes;

QObject* skinnedFormOf(const QObject* window) {
    const auto* form = qobject_cast<const QWidget*>(window);
    if (!form || !form->isWindow())
        return nullptr;
    for (QObject* child : form->children()) {
        if (child->isWidgetType() && child->inherits("TsuiForm"))
            return child;
    }
    return nullptr;
}

TsuiUIStyle OwnerFormStyle(const QObject* owner) {
    const QObject* form = skinnedFormOf(owner);
    return form ? form->property(property::UIStyle).value<TsuiUIStyle>() : TsuiUIStyle::DeepBlue;
}

TsuiUIStyle startStyleFor(const QWidget* parent) {
    // The owner of every control on a window is the window itself.
    return OwnerFormStyle(parent ? parent->window() : nullptr);
}

void ApplyStyleToChildren(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme) {
    if (!container)
        return;
    for (QObject* child : container->children()) {
        if (!child->isWidgetType() || !HasProperty(child, property::FileTheme) ||
            !HasProperty(child, property::UIStyle))
            continue;
        child->setProperty(property::FileTheme, QVariant::fromValue(fileTheme));
        child->setProperty(property::UIStyle, QVariant::fromValue(style));
    }
}

} // namespace skin::themes
