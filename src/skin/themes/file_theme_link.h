#pragma once

#include "skin/themes/file_theme.h"

#include <QMetaObject>
#include <QPointer>

#include <functional>

// A skinned element's reference to its file theme. When the theme is destroyed the reference
// becomes none and onRemoved runs (the control then falls back to DeepBlue).
class FileThemeLink {
public:
    FileThemeLink() = default;
    FileThemeLink(const FileThemeLink&) = delete;
    FileThemeLink& operator=(const FileThemeLink&) = delete;
    ~FileThemeLink() { QObject::disconnect(m_watch); }

    TsuiFileTheme* get() const { return m_theme; }
    void set(TsuiFileTheme* theme, std::function<void()> onRemoved);

private:
    QPointer<TsuiFileTheme> m_theme;
    QMetaObject::Connection m_watch;
};
