#pragma once

#include "skin/themes/file_theme.h"
#include "skin/themes/ui_style.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

#include <functional>

// Hands one style and one file theme to a list of named components of its owner form, and
// to every skinned component of the windows linked to it.
class TsuiThemeManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(TsuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
    Q_PROPERTY(QStringList CompList READ CompList WRITE setCompList)
public:
    explicit TsuiThemeManager(QObject* owner = nullptr);

    TsuiUIStyle UIStyle() const { return m_style; }
    // Stores the style and pushes style and file theme to every listed component; the
    // signal fires only when the style changed. Throws ThemePropertyError when a listed
    // component does not publish "UIStyle" or "FileTheme".
    void setUIStyle(TsuiUIStyle style);

    TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    // Stores the file theme and pushes both again.
    void setFileTheme(TsuiFileTheme* fileTheme);

    QStringList CompList() const { return m_compList; }
    // Takes the names; nothing is pushed.
    void setCompList(const QStringList& names);

    // Links a window: each of its skinned components (class name beginning with "Tsui",
    // publishing "UIStyle" and "FileTheme") takes the file theme and the style now and
    // on every later push. A window stays linked until it is destroyed.
    void linkWindow(QWidget* window);

signals:
    void OnUIStyleChanged(QObject* sender);

private:
    void push();
    void watchListedComponents();
    // Runs act on each listed component that is on the owner form, in list order.
    void forEachListedComponent(const std::function<void(QObject*)>& act);
    void componentDestroyed(QObject* component);
    void fileThemeDestroyed();
    void pushToWindow(QWidget* window);

    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_fileTheme;
    QStringList m_compList;
    QList<QPointer<QWidget>> m_windows;
};
