#include "skin/controls/style_link.h"

#include "skin/themes/style_tables.h"

#include <QImage>
#include <QWidget>

TColor controlStyleColor(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element) {
    TsuiUIStyle resolved;
    if (ResolveStyle(fileTheme, style, resolved))
        return fileTheme->GetColor(element);
    return GetStyleColor(resolved, element);
}

bool controlStyleBool(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element) {
    TsuiUIStyle resolved;
    if (ResolveStyle(fileTheme, style, resolved))
        return fileTheme->GetBool(element);
    return GetStyleBool(resolved, element);
}

QImage controlStyleFrame(const TsuiFileTheme* fileTheme, TsuiUIStyle style, int element,
                         int frameIndex, int frameCount) {
    QImage frame;
    TsuiUIStyle resolved;
    if (ResolveStyle(fileTheme, style, resolved))
        fileTheme->GetBitmap(element, frame, frameIndex, frameCount);
    else
        GetStyleBitmap(resolved, element, &frame, frameIndex, frameCount);
    return frame;
}

TColor paletteColor(const QWidget& control, QPalette::ColorRole role) {
    const QColor colour = control.palette().color(role);
    return TColor::fromRgb(colour.red(), colour.green(), colour.blue());
}

TsuiUIStyle startStyleFor(const QWidget* parent) {
    // The owner of every control on a window is the window itself.
    return OwnerFormStyle(parent ? parent->window() : nullptr);
}
