#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The main window's small pictures: the twelve 16 x 16 icons of ImageList1 (toolbar
// buttons and menu items) and the navigation buttons' glyphs. The build draws them
// (tools/artwork) into the program's resources; these functions load them.
namespace app {

enum ImageListIndex {
    LoadBackup = 0,
    CreateBackup = 1,
    ClearBase = 2,
    Exit = 3,
    NewRecord = 4,
    SaveRecord = 5,
    DeleteRecord = 6,
    SearchList = 7,
    Report = 8,
    Find = 9,
    About = 10,
    Folder = 11,
    ImageListCount = 12
};

QImage imageListIcon(int index);
QList<QImage> imageList1();

enum class Glyph { First, Previous, Next, Last };
inline constexpr Glyph kGlyphs[] = {Glyph::First, Glyph::Previous, Glyph::Next, Glyph::Last};
QImage navigationGlyph(Glyph glyph);

// Where the build puts each picture inside the resources.
inline QString imageListIconFile(int index) {
    return QStringLiteral("app/IMAGELIST1_%1.png").arg(index);
}
inline QString navigationGlyphFile(Glyph glyph) {
    return QStringLiteral("app/GLYPH_%1.png").arg(int(glyph));
}

} // namespace app
