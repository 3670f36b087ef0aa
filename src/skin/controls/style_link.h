#pragma once

#include "skin/themes/file_theme.h"
#include "skin/themes/style_resolution.h"
#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

#include <QMetaObject>
#include <QPalette>
#include <QPointer>

#include <functional>

class QImage;

// A skinned control's look, read by theme element: from the file theme when the style is
// FromThemeFile and the theme can be used, otherwise from the built-in table of the style
// ResolveStyle hands back.
TColor ControlStyleColor(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element);
bool ControlStyleBool(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element);
// Frame frameIndex (1-based) of frameCount of the element's picture; a null image when
// there is none.
QImage ControlStyleFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element,
                         int frameIndex, int frameCount);

// A colour of the control's palette as the skin holds colours.
TColor PaletteColor(const QWidget& control, QPalette::ColorRole role);

// The style a control created with this parent starts in: that of the skinned frame of
// the window the parent belongs to.
TsuiUIStyle StartStyleFor(const QWidget* parent);

// A control's reference to its file theme. When the theme is destroyed the reference
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
