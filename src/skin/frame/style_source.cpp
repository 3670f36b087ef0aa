#include "skin/frame/style_source.h"

#include "skin/themes/file_theme.h"
#include "skin/themes/style_resolution.h"
#include "skin/themes/style_tables.h"

#include <QColor>

TColor tcolorOf(const QColor& color) {
    return TColor::fromRgb(color.red(), color.green(), color.blue());
}

StyleSource::StyleSource(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
    : m_theme(fileTheme), m_style(style) {
    m_fromFile = ResolveStyle(fileTheme, style, m_style);
}

TColor StyleSource::color(int element) const {
    return m_fromFile ? m_theme->GetColor(element) : GetStyleColor(m_style, element);
}

int StyleSource::integer(int element) const {
    return m_fromFile ? m_theme->GetInt(element) : GetStyleInt(m_style, element);
}

bool StyleSource::flag(int element) const {
    return m_fromFile ? m_theme->GetBool(element) : GetStyleBool(m_style, element);
}

QImage StyleSource::image(int element, int frameIndex, int frameCount) const {
    QImage picture;
    if (!m_fromFile)
        GetStyleBitmap(m_style, element, &picture, frameIndex, frameCount);
    else if (frameCount == 0)
        m_theme->GetBitmap(element, picture);
    else
        m_theme->GetBitmap(element, picture, frameIndex, frameCount);
    return picture;
}
