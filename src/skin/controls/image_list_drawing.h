#pragma once

#include <QPoint>

class QImage;
class QPainter;

namespace skin::controls {

// The picture as a masked image list holds it: pixels of its top-left colour cleared.
QImage maskedByTopLeft(const QImage& picture);

// Draws picture at origin the way an image list does: when masked, pixels of the picture's
// top-left colour are left out; greyed gives the toolkit's disabled rendering.
void drawImageListPicture(QPainter& painter, const QPoint& origin, const QImage& picture,
                          bool masked, bool greyed);

} // namespace skin::controls
