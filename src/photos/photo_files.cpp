#include "photos/photo_files.h"

#include <QFileInfo>

bool isOwnPhotoFile(const QString& path, const QString& imagesFolder) {
    if (path.isEmpty() || imagesFolder.isEmpty() || !path.endsWith(QStringLiteral(".jpg")))
        return false;
    const QFileInfo file(path);
    if (!file.isFile())
        return false;
    // Both sides resolved through links and "..", so a path cannot reach out of the folder.
    const QString folder = QFileInfo(imagesFolder).canonicalFilePath();
    const QString parent = file.canonicalPath();
    if (folder.isEmpty() || parent.isEmpty())
        return false;
    return parent == folder || parent.startsWith(folder + QLatin1Char('/'));
}
