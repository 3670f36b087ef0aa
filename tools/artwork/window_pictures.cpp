#include "window_pictures.h"

#include "about_pictures.h"
#include "app/about_artwork.h"
#include "toolbar_icons.h"

// Kept in the format they are drawn in: the icons with their alpha channel, the photo
// opaque.
QList<Artwork> drawWindowPictures() {
    QList<Artwork> out;
    for (int i = 0; i < app::ImageListCount; ++i)
        out.append({app::imageListIconFile(i), drawImageListIcon(i)});
    for (const app::Glyph glyph : app::kGlyphs)
        out.append({app::navigationGlyphFile(glyph), drawNavigationGlyph(glyph)});
    out.append({QLatin1String(app::kAboutPhotoFile), drawAboutPhoto()});
    out.append({QLatin1String(app::kAboutIconFile), drawAboutIcon()});
    return out;
}
