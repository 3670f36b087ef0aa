#pragma once

#include "app/artwork.h"

// The main window's 16 x 16 pictures: an ImageList1 icon by its index, a navigation glyph.
QImage drawImageListIcon(int index);
QImage drawNavigationGlyph(app::Glyph glyph);
