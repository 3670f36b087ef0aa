#include "platform/system_error_text.h"

#include <cerrno>

namespace platform {

QString systemErrorText(const std::error_code& error) {
    if (error.category() == std::generic_category() || error.category() == std::system_category()) {
        switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return QStringLiteral("на диске нет места");
        case EACCES:
        case EPERM:
            return QStringLiteral("нет доступа к файлу");
        case EROFS:
            return QStringLiteral("диск доступен только для чтения");
        case ENOENT:
        case ENOTDIR:
            return QStringLiteral("файл не найден");
        case EISDIR:
            return QStringLiteral("указана папка, а не файл");
        case EIO:
            return QStringLiteral("ошибка чтения или записи на диске");
        default:
            break;
        }
    }
    return QStringLiteral("системная ошибка %1 (%2)")
        .arg(error.value())
        .arg(QString::fromLocal8Bit(error.message().c_str()));
}

} // namespace platform
