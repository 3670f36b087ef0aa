#include "photos/images_folder_setting.h"
#include "support/photo_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const images_folder_setting::SettingError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ImagesFolderSetting, NothingSavedReadsAsEmpty) {
    ScopedSettingsFolder settings;
    EXPECT_EQ(images_folder_setting::load(), QString());
    writeTextFile(settings.settingsFile(), "[General]\nOther=1\n");
    EXPECT_EQ(images_folder_setting::load(), QString());
}

TEST(ImagesFolderSetting, SavesAndLoadsTheTextUnchanged) {
    ScopedSettingsFolder settings;
    const QString folder = QStringLiteral("/home/пользователь/Фото, 2024/ $HOME %PATH%");
    images_folder_setting::save(folder);
    EXPECT_EQ(settings.savedImagesFolder(), folder);
    EXPECT_EQ(images_folder_setting::load(), folder);

    images_folder_setting::save(QString());
    EXPECT_TRUE(QFile::exists(settings.settingsFile()));
    EXPECT_EQ(images_folder_setting::load(), QString());
}

TEST(ImagesFolderSetting, AValueThatIsNoTextIsAnError) {
    ScopedSettingsFolder settings;
    writeTextFile(settings.settingsFile(), "[General]\nImagesPath=@ByteArray(abc)\n");
    EXPECT_EQ(errorOf([] { images_folder_setting::load(); }), "Invalid data type for 'ImagesPath'");
    writeTextFile(settings.settingsFile(), "[General]\nImagesPath=one, two\n");
    EXPECT_EQ(errorOf([] { images_folder_setting::load(); }), "Invalid data type for 'ImagesPath'");
}

TEST(ImagesFolderSetting, WriteFailuresNameTheKeyOrTheValue) {
    ScopedSettingsFolder settings;
    // The settings folder cannot be made: a file stands in its way.
    QDir(settings.path()).rmdir(settings.path());
    writeTextFile(settings.path(), "not a folder");
    EXPECT_EQ(errorOf([] { images_folder_setting::save("/photos"); }),
              "Failed to create key Software\\Kalmo");
    QFile::remove(settings.path());

    // The folder is there, but the settings file itself cannot be written.
    QDir().mkpath(settings.settingsFile());
    EXPECT_EQ(errorOf([] { images_folder_setting::save("/photos"); }),
              "Failed to set data for 'ImagesPath'");
}
