#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the user's settings (where the images folder is saved) at a fresh temporary
// folder for the fixture's lifetime.
class ScopedSettingsFolder {
public:
    ScopedSettingsFolder();
    ~ScopedSettingsFolder();
    ScopedSettingsFolder(const ScopedSettingsFolder&) = delete;
    ScopedSettingsFolder& operator=(const ScopedSettingsFolder&) = delete;

    QString path() const { return m_dir.path(); }
    // The file the images folder is saved in.
    QString settingsFile() const;
    // What is saved as "ImagesPath", or a null text when nothing is.
    QString savedImagesFolder() const;

private:
    QTemporaryDir m_dir;
};

// Writes a file with the given text.
void writeTextFile(const QString& path, const QByteArray& bytes);
