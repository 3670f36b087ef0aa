#include "photos/images_folder_setting.h"
#include "support/photo_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const photos::SettingError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ImagesFolderSetting, NothingSavedReadsAsEmpty) {
    ScopedSettingsFolder settings;
    EXPECT_EQ(photos::loadImagesFolder(), QString());
    settings.writeSettingsFile("[General]\nOther=1\n");
    EXPECT_EQ(photos::loadImagesFolder(), QString());
}

TEST(ImagesFolderSetting, SavesAndLoadsTheTextUnchanged) {
    ScopedSettingsFolder settings;
    const QString folder = QStringLiteral("/home/пользователь/Фото, 2024/ $HOME %PATH%");
    photos::saveImagesFolder(folder);
    EXPECT_EQ(settings.savedImagesFolder(), folder);
    EXPECT_EQ(photos::loadImagesFolder(), folder);

    photos::saveImagesFolder(QString());
    EXPECT_TRUE(QFile::exists(settings.settingsFile()));
    EXPECT_EQ(photos::loadImagesFolder(), QString());
}

TEST(ImagesFolderSetting, AValueThatIsNoTextIsAnError) {
    ScopedSettingsFolder settings;
    settings.writeSettingsFile("[General]\nImagesPath=@ByteArray(abc)\n");
    EXPECT_EQ(errorOf([] { photos::loadImagesFolder(); }), "Invalid data type for 'ImagesPath'");
    settings.writeSettingsFile("[General]\nImagesPath=one, two\n");
    EXPECT_EQ(errorOf([] { photos::loadImagesFolder(); }), "Invalid data type for 'ImagesPath'");
}

TEST(ImagesFolderSetting, WriteFailuresNameTheKeyOrTheValue) {
    ScopedSettingsFolder settings;
    // The settings folder cannot be made: a file stands in its way.
    settings.folder().writeBytes("blocked", "not a folder");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settings.folder().filePath("blocked/settings"));
    EXPECT_EQ(errorOf([] { photos::saveImagesFolder("/photos"); }),
              "Failed to create key Software\\Kalmo");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    // The folder is there, but the settings file itself cannot be written.
    QDir().mkpath(settings.settingsFile());
    EXPECT_EQ(errorOf([] { photos::saveImagesFolder("/photos"); }),
              "Failed to set data for 'ImagesPath'");
}
