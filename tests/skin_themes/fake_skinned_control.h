#pragma once

#include "skin/themes/file_theme.h"
#include "skin/themes/ui_style.h"

#include <QPointer>
#include <QWidget>

// A control that publishes "UIStyle" and "FileTheme" as every skinned control does and
// counts how often each setter ran.
class TsuiFakeControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
public:
    explicit TsuiFakeControl(QWidget* parent = nullptr, const QString& name = QString())
        : QWidget(parent) {
        setObjectName(name);
    }

    TsuiUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style) {
        m_style = style;
        ++styleSets;
        order += QLatin1Char('S');
    }
    TsuiFileTheme* FileTheme() const { return m_theme; }
    void setFileTheme(TsuiFileTheme* theme) {
        m_theme = theme;
        ++themeSets;
        order += QLatin1Char('T');
    }

    int styleSets = 0;
    int themeSets = 0;
    QString order;

private:
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QPointer<TsuiFileTheme> m_theme;
};

// The same properties on a class whose name does not mark it as a skinned class.
class PlainThemedControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)
public:
    explicit PlainThemedControl(QWidget* parent) : QWidget(parent) {}
    TsuiFileTheme* FileTheme() const { return m_theme; }
    void setFileTheme(TsuiFileTheme* theme) {
        m_theme = theme;
        ++themeSets;
    }
    int themeSets = 0;

private:
    QPointer<TsuiFileTheme> m_theme;
};
