#include "skin/themes/style_reader.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/style_tables.h"

using namespace skin::themes;

namespace skin::themes {

bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& resolved) {
    resolved = style;
    if (style != TsuiUIStyle::FromThemeFile)
        return false;
    if (fileTheme && fileTheme->CanUse())
        return true;
    resolved = TsuiUIStyle::DeepBlue;
    return false;
}

} // namespace skin::themes

StyleReader::StyleReader(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
    : m_theme(fileTheme), m_style(style) {
    m_fromFile = ResolveStyle(fileTheme, style, m_style);
}

TColor StyleReader::color(int element) const {
    return m_fromFile ? m_theme->GetColor(element) : GetStyleColor(m_style, element);
}

int StyleReader::integer(int element) const {
    return m_fromFile ? m_theme->GetInt(element) : GetStyleInt(m_style, element);
}

bool StyleReader::flag(int element) const {
    return m_fromFile ? m_theme->GetBool(element) : GetStyleBool(m_style, element);
}

QImage StyleReader::image(int element, int frameIndex, int frameCount) const {
    QImage picture;
    if (!m_fromFile)
        GetStyleBitmap(m_style, element, &picture, frameIndex, frameCount);
    else if (frameCount == 0)
        m_theme->GetBitmap(element, picture);
    else
        m_theme->GetBitmap(element, picture, frameIndex, frameCount);
    return picture;
}
