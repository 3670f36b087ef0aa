#include "photos/photo_view.h"

namespace photos {

QSize fittedPhotoSize(const QSize& picture, const QSize& box) {
    if (picture.width() <= box.width() && picture.height() <= box.height())
        return picture;
    // Scale by the tighter of the two ratios, in integer arithmetic so the result is
    // truncated exactly.
    const qint64 byWidth = qint64(box.width()) * picture.height();
    const qint64 byHeight = qint64(box.height()) * picture.width();
    if (byWidth <= byHeight)
        return QSize(box.width(), int(byWidth / picture.width()));
    return QSize(int(byHeight / picture.height()), box.height());
}

QImage fitPhoto(const Picture& picture, const QSize& box) {
    const QSize size = fittedPhotoSize(picture.fullSize, box);
    if (size == picture.image.size())
        return picture.image;
    return picture.image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace photos
