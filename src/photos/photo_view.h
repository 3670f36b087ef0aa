#pragma once

#include "photos/jpeg_loader.h"

#include <QImage>
#include <QSize>

namespace photos {

// How a photo sits in its picture box: a picture larger than the box is scaled down with
// its proportions kept (sizes truncated to whole pixels), a smaller one keeps its size;
// either way it is drawn from the box's top-left corner.
QSize fittedPhotoSize(const QSize& picture, const QSize& box);
QImage fitPhoto(const Picture& picture, const QSize& box);

} // namespace photos
