#include "photo_fixture.h"

#include <QFile>
#include <QSettings>
#include <stdexcept>

ScopedSettingsFolder::ScopedSettingsFolder() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

ScopedSettingsFolder::~ScopedSettingsFolder() {
    // Anything written after the test would land in a deleted folder, never at home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path() + "-gone");
}

QString ScopedSettingsFolder::settingsFile() const {
    return m_dir.filePath("Kalmo.conf");
}

QString ScopedSettingsFolder::savedImagesFolder() const {
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QVariant value = settings.value("ImagesPath");
    return value.isValid() ? value.toString() : QString();
}

void writeTextFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
