#include "skin/themes/skin_binding.h"

#include "skin/themes/file_theme.h"

SkinBinding::~SkinBinding() {
    QObject::disconnect(m_watch);
}

void SkinBinding::setFileTheme(TsuiFileTheme* theme) {
    QObject::disconnect(m_watch);
    m_fileTheme = theme;
    if (theme)
        m_watch = QObject::connect(theme, &QObject::destroyed, [this] {
            m_fileTheme = nullptr;
            fileThemeRemoved();
        });
    setUIStyle(m_style);
}

void SkinBinding::setUIStyle(TsuiUIStyle style) {
    m_style = style;
    UIStyleChanged();
}
