#include "support/photo_fixture.h"

#include "support/file_dialog_answer.h"

#include <QFileDialog>
#include <QSettings>
#include <gtest/gtest.h>

namespace {
const QString kSettingsFileName = QStringLiteral("Kalmo.conf");
}

ScopedSettingsFolder::ScopedSettingsFolder() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
}

ScopedSettingsFolder::~ScopedSettingsFolder() {
    // Anything written after the test would land in a deleted folder, never at home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path() + "-gone");
}

QString ScopedSettingsFolder::settingsFile() const {
    return m_folder.filePath(kSettingsFileName);
}

void ScopedSettingsFolder::writeSettingsFile(const QByteArray& contents) const {
    m_folder.writeBytes(kSettingsFileName, contents);
}

QString ScopedSettingsFolder::savedImagesFolder() const {
    const QSettings settings(settingsFile(), QSettings::IniFormat);
    const QVariant value = settings.value("ImagesPath");
    return value.isValid() ? value.toString() : QString();
}

ModalScript::Step answerPictureChooser(const QString& picture) {
    return [picture](QWidget* window) {
        auto* chooser = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(chooser, nullptr);
        if (picture.isEmpty()) {
            chooser->reject();
            return;
        }
        chooseInFileDialog(chooser, picture);
    };
}
