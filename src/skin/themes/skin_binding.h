#pragma once

#include "skin/themes/file_theme.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/ui_style.h"

#include <QMetaObject>
#include <QPointer>

// The two published properties every skinned component takes from its SkinBinding.
#define SKIN_BINDING_PROPERTIES                                                                    \
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE setFileTheme)                         \
    Q_PROPERTY(TsuiStyles::TsuiUIStyle UIStyle READ UIStyle WRITE setUIStyle)

// What every skinned component holds of its look: the file theme it names, the style it is
// in and the reading of both. The component publishes them as its "FileTheme" and
// "UIStyle" properties through the accessors here (SKIN_BINDING_PROPERTIES in its class
// body, where its published properties list them), and reads its look in UIStyleChanged.
class SkinBinding {
public:
    TsuiFileTheme* FileTheme() const { return m_fileTheme; }
    // Names the theme and reads the look again in the current style. Once the theme is
    // destroyed the component falls back to DeepBlue (fileThemeRemoved).
    void setFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style);

protected:
    SkinBinding() = default;
    explicit SkinBinding(TsuiUIStyle style) : m_style(style) {}
    ~SkinBinding();
    SkinBinding(const SkinBinding&) = delete;
    SkinBinding& operator=(const SkinBinding&) = delete;

    // Reads the look of UIStyle() (from FileTheme() where it is used).
    virtual void UIStyleChanged() = 0;
    // The file theme was destroyed: DeepBlue from now on.
    virtual void fileThemeRemoved() { setUIStyle(TsuiUIStyle::DeepBlue); }
    StyleReader styleReader() const { return StyleReader(FileTheme(), m_style); }

private:
    QPointer<TsuiFileTheme> m_fileTheme;
    QMetaObject::Connection m_watch;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
};
