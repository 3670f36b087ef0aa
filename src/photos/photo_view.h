#pragma once

#include "photos/jpeg_loader.h"

#include <QImage>
#include <QSize>
#include <QString>

// How a photo sits in its picture box: a picture larger than the box is scaled down with
// its proportions kept (sizes truncated to whole pixels), a smaller one keeps its size;
// either way it is drawn from the box's top-left corner.
QSize fittedPhotoSize(const QSize& picture, const QSize& box);

// The decoded picture at the size the box shows it. The size follows from the picture's
// own size, whatever scale the decoder chose.
QImage fitPhoto(const jpeg::Picture& picture, const QSize& box);

// Loads a picture file for a box of the given size (decoding no larger than needed).
QImage loadPhotoForBox(const QString& path, const QSize& box);
