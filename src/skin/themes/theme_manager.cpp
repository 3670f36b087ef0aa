#include "skin/themes/theme_manager.h"

#include "skin/themes/property_names.h"
#include "skin/themes/skin_errors.h"

#include <QVariant>
#include <QWidget>

using namespace skin::themes;

namespace {

QWidget* ownerForm(const QObject* manager) {
    auto* form = qobject_cast<QWidget*>(manager->parent());
    return form && form->isWindow() ? form : nullptr;
}

void requireProperty(const QObject* component, const char* name) {
    if (!HasProperty(component, name))
        throw ThemePropertyError(std::string("Property ") + name + " does not exist");
}

} // namespace

TsuiThemeManager::TsuiThemeManager(QObject* owner) : QObject(owner) {
    setUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiThemeManager::setUIStyle(TsuiUIStyle style) {
    const TsuiUIStyle old = m_style;
    m_style = style;
    push();
    if (style != old)
        emit OnUIStyleChanged(this);
}

void TsuiThemeManager::setFileTheme(TsuiFileTheme* fileTheme) {
    if (m_fileTheme)
        disconnect(m_fileTheme, &QObject::destroyed, this, nullptr);
    m_fileTheme = fileTheme;
    if (fileTheme)
        connect(fileTheme, &QObject::destroyed, this, &TsuiThemeManager::fileThemeDestroyed);
    setUIStyle(m_style);
}

void TsuiThemeManager::setCompList(const QStringList& names) {
    m_compList = names;
    watchListedComponents();
}

void TsuiThemeManager::push() {
    forEachListedComponent([this](QObject* component) {
        requireProperty(component, property::UIStyle);
        component->setProperty(property::UIStyle, QVariant::fromValue(m_style));
        requireProperty(component, property::FileTheme);
        component->setProperty(property::FileTheme, QVariant::fromValue(m_fileTheme.data()));
    });
    watchListedComponents();
    m_windows.removeAll(nullptr);
    for (const QPointer<QWidget>& window : std::as_const(m_windows))
        pushToWindow(window);
}

void TsuiThemeManager::linkWindow(QWidget* window) {
    if (!window)
        return;
    if (!m_windows.contains(window))
        m_windows.append(window);
    pushToWindow(window);
}

void TsuiThemeManager::pushToWindow(QWidget* window) {
    for (QObject* component : window->findChildren<QObject*>()) {
        // A manager publishes the two properties too, but hands them out rather than
        // drawing with them.
        if (qobject_cast<TsuiThemeManager*>(component))
            continue;
        if (qstrncmp(component->metaObject()->className(), "Tsui", 4) != 0 ||
            !HasProperty(component, property::UIStyle) ||
            !HasProperty(component, property::FileTheme))
            continue;
        // The theme first, so the component reads its look once, from the right source.
        component->setProperty(property::FileTheme, QVariant::fromValue(m_fileTheme.data()));
        component->setProperty(property::UIStyle, QVariant::fromValue(m_style));
    }
}

// A listed component that goes away leaves the list, as its owner would tell us.
void TsuiThemeManager::watchListedComponents() {
    forEachListedComponent([this](QObject* component) {
        connect(component, &QObject::destroyed, this, &TsuiThemeManager::componentDestroyed,
                Qt::UniqueConnection);
    });
}

void TsuiThemeManager::forEachListedComponent(const std::function<void(QObject*)>& act) {
    QWidget* form = ownerForm(this);
    if (!form)
        return;
    for (const QString& name : std::as_const(m_compList)) {
        if (QObject* component = form->findChild<QObject*>(name))
            act(component);
    }
}

void TsuiThemeManager::componentDestroyed(QObject* component) {
    if (component != this)
        m_compList.removeOne(component->objectName());
}

void TsuiThemeManager::fileThemeDestroyed() {
    // Directly, without a push or the signal: the theme is already going away.
    m_fileTheme = nullptr;
    m_style = TsuiUIStyle::DeepBlue;
}
