#include "window_pictures.h"

#include "about_pictures.h"
#include "app/about_artwork.h"
#include "toolbar_icons.h"

// Kept in the format they are drawn in: the icons with their alpha channel, the photo
// opaque.
QList<Artwork> drawWindowPictures() {
    QList<Artwork> out;
    for (int i = 0; i < artwork::ImageListCount; ++i)
        out.append({artwork::imageListIconFile(i), drawImageListIcon(i)});
    for (const artwork::Glyph glyph : artwork::kGlyphs)
        out.append({artwork::navigationGlyphFile(glyph), drawNavigationGlyph(glyph)});
    out.append({QLatin1String(artwork::kAboutPhotoFile), drawAboutPhoto()});
    out.append({QLatin1String(artwork::kAboutIconFile), drawAboutIcon()});
    return out;
}
