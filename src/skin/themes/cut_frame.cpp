#include "skin/themes/cut_frame.h"

#include <QImage>

namespace skin::themes {

void CutFrame(const QImage& source, QImage& target, int frameCount, int frameIndex) {
    const int frameWidth = source.width() / frameCount;
    target = source.copy((frameIndex - 1) * frameWidth, 0, frameWidth, source.height());
}

} // namespace skin::themes
