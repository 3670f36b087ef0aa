#pragma once

#include <QImage>
#include <QList>

// The main window's small pictures, drawn by code: the twelve 16 x 16 icons of
// ImageList1 (toolbar buttons and menu items) and the navigation buttons' glyphs.
namespace artwork {

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
QImage navigationGlyph(Glyph glyph);

} // namespace artwork
