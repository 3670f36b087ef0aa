#include "platform/application_title.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString applicationTitleFor(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).completeBaseName();
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle() {
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}

} // namespace platform
