#pragma once

#include "support/modal_script.h"
#include "support/test_folder.h"

#include <QByteArray>
#include <QString>

// Points the user's settings (where the images folder is saved) at a fresh test folder
// for the fixture's lifetime.
class ScopedSettingsFolder {
public:
    ScopedSettingsFolder();
    ~ScopedSettingsFolder();
    ScopedSettingsFolder(const ScopedSettingsFolder&) = delete;
    ScopedSettingsFolder& operator=(const ScopedSettingsFolder&) = delete;

    const TestFolder& folder() const { return m_folder; }
    QString path() const { return m_folder.path(); }
    // The file the images folder is saved in, and a way to write it by hand.
    QString settingsFile() const;
    void writeSettingsFile(const QByteArray& contents) const;
    // What is saved as "ImagesPath", or a null text when nothing is.
    QString savedImagesFolder() const;

private:
    TestFolder m_folder;
};

// A step of a ModalScript for the picture chooser: it answers with `picture`, or is
// cancelled when that is empty.
ModalScript::Step answerPictureChooser(const QString& picture);
