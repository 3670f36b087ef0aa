#pragma once

class QImage;

namespace skin::themes {

// Target becomes frame frameIndex (1-based) of source cut into frameCount equal-width
// frames side by side from the left; columns left over at the right are never used.
// frameCount must not be 0.
void CutFrame(const QImage& source, QImage& target, int frameCount, int frameIndex);

} // namespace skin::themes
