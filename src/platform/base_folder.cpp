#include "platform/base_folder.h"

#include <QDir>

namespace platform {
namespace {

QString& storedFolder() {
    static QString folder;
    return folder;
}

} // namespace

void BaseFolder::captureWorkingFolder() {
    set(QDir::currentPath());
}

void BaseFolder::set(const QString& folder) {
    storedFolder() = QDir(folder).absolutePath();
}

QString BaseFolder::path() {
    if (storedFolder().isEmpty())
        captureWorkingFolder();
    return storedFolder();
}

QString BaseFolder::filePath(const QString& relativeName) {
    return QDir(path()).filePath(relativeName);
}

} // namespace platform
