#include "support/photo_fixture.h"

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
        // The dialog leaves its name box alone while the box has the keyboard focus, which
        // it may or may not have got by now.
        if (QWidget* focused = chooser->focusWidget())
            focused->clearFocus();
        chooser->selectFile(picture);
        QMetaObject::invokeMethod(chooser, "accept");
    };
}
