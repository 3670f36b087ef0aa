#include "skin/themes/file_theme_link.h"

void FileThemeLink::set(TsuiFileTheme* theme, std::function<void()> onRemoved) {
    QObject::disconnect(m_watch);
    m_theme = theme;
    if (theme)
        m_watch = QObject::connect(theme, &QObject::destroyed, [this, onRemoved] {
            m_theme = nullptr;
            onRemoved();
        });
}
