#pragma once

#include <QRect>

class QImage;
class QPainter;

namespace skin::paint {

// Draws a skin bitmap (a button face, a frame) stretched to rect in nine pieces: the four
// corners 1:1, the edges and the centre stretched from the one-pixel strips in the middle
// of the source. rect's right and bottom are the far edges, 0 the near ones, so callers
// pass a rectangle whose top left is (0, 0). Corners leave key-coloured pixels out only
// when keyed; edges and centre always do.
void DrawSkinnedRect(const QImage& source, QPainter& painter, const QRect& rect, bool keyed);

} // namespace skin::paint
