#include "style_dump.h"

#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <QBuffer>
#include <QImage>

using namespace skin::themes;

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return bytes;
}

QList<ThemeEntry> builtInStyleEntries(TsuiUIStyle style) {
    QList<ThemeEntry> entries;
    for (int e = 1; e <= ThemeElement::Count; ++e) {
        const QByteArray key(elementKey(e));
        switch (elementKindOf(e)) {
        case ElementKind::Image: {
            QImage image;
            GetStyleBitmap(style, e, &image, 0, 0);
            entries.append(imageEntry(key, bmpBytes(image)));
            break;
        }
        case ElementKind::Int:
            entries.append(integerEntry(key, GetStyleInt(style, e)));
            break;
        case ElementKind::Color:
            entries.append(integerEntry(key, qint32(GetStyleColor(style, e).value)));
            break;
        case ElementKind::Bool:
            entries.append(booleanEntry(key, GetStyleBool(style, e) ? 1 : 0));
            break;
        }
    }
    return entries;
}
