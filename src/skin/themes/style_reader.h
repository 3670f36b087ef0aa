#pragma once

#include "skin/themes/tcolor.h"
#include "skin/themes/ui_style.h"

#include <QImage>

class TsuiFileTheme;

namespace skin::themes {

// Decides where a component reads its look: true to read it from the file theme; false to
// read the built-in table of resolved. resolved is the style itself unless it is
// FromThemeFile without a usable file theme, which falls back to DeepBlue.
bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& resolved);

} // namespace skin::themes

// The look one component reads its elements from: the file theme when ResolveStyle says
// it is usable, otherwise the built-in table of the resolved style. Controls and frame
// alike read their look through it.
class StyleReader {
public:
    StyleReader(const TsuiFileTheme* fileTheme, TsuiUIStyle style);

    // The style handed on to parts that resolve again (FromThemeFile when the file theme
    // is read).
    TsuiUIStyle resolved() const { return m_fromFile ? TsuiUIStyle::FromThemeFile : m_style; }

    TColor color(int element) const;
    int integer(int element) const;
    bool flag(int element) const;
    // The whole image, or frame frameIndex (1-based) of frameCount when frameCount is not 0.
    QImage image(int element, int frameIndex = 0, int frameCount = 0) const;

private:
    const TsuiFileTheme* m_theme;
    bool m_fromFile;
    TsuiUIStyle m_style;
};
