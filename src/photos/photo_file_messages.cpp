#include "photos/photo_file_messages.h"

#include "photos/photo_files.h"
#include "platform/system_error_text.h"

#include <QFileInfo>

#include <cerrno>

namespace photos {

namespace {

// The reason for an error of the file system in the images folder.
QString reason(const QString& imagesFolder, const std::error_code& error) {
    if (!QFileInfo(imagesFolder).isDir())
        return QStringLiteral("папка «%1» не найдена").arg(imagesFolder);
    switch (error.value()) {
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("нет права записи в папку «%1»").arg(imagesFolder);
    default:
        return platform::systemErrorText(error);
    }
}

} // namespace

QString copyFailedMessage(const QString& imagesFolder, const QString& fullName,
                          const std::error_code& error) {
    QString why;
    if (imagesFolder.isEmpty())
        why = QStringLiteral("папка с изображениями не задана");
    else if (!isStorableName(imagesFolder, fullName))
        why = QStringLiteral("имя «%1» не может быть именем файла").arg(fullName);
    else
        why = reason(imagesFolder, error);
    return QStringLiteral("Изображение не скопировано: %1.").arg(why);
}

QString deleteFailedMessage(const QString& path, const QString& imagesFolder,
                            const std::error_code& error) {
    return QStringLiteral("Файл изображения «%1» не удалён: %2.")
        .arg(path, reason(imagesFolder, error));
}

} // namespace photos
