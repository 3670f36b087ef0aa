#pragma once

#include "catalogue.h"

// The pictures of the program's own windows, at the resource files src/app loads them
// from: the ImageList1 icons, the navigation glyphs and the About window's photo and icon.
QList<Artwork> drawWindowPictures();
