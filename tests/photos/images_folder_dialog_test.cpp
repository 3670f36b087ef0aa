#include "photos/images_folder_dialog.h"
#include "platform/message_box_recorder.h"
#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/frame/sui_form.h"
#include "support/file_dialog_answer.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs the dialog modally with the steps acting on it while it is open.
int runDialog(TForm3& dialog, const std::function<void()>& steps) {
    ModalScript script;
    script.then([&](QWidget*) { steps(); });
    return dialog.exec();
}

} // namespace

TEST(ImagesFolderDialog, ControlsSitWhereTheWindowPlacesThem) {
    ScopedSettingsFolder settings;
    TForm3 dialog;
    EXPECT_EQ(dialog.windowTitle(), "Путь");
    EXPECT_EQ(dialog.size(), QSize(445, 123));
    // The skinned form fills the frameless window inside its 3-pixel border strips.
    EXPECT_EQ(dialog.ui.suiForm1->geometry(), QRect(3, 0, 439, 120));
    EXPECT_EQ(dialog.ui.Label1->text(), "Путь к папке с изображениями");
    EXPECT_EQ(dialog.ui.Label1->geometry(), QRect(8, 29, 160, 13));
    EXPECT_EQ(dialog.ui.Edit1->geometry(), QRect(8, 48, 393, 21));
    const QList<std::tuple<TsuiButton*, QString, QRect>> buttons = {
        {dialog.ui.suiButton1, "...", {408, 48, 25, 25}},
        {dialog.ui.suiButton3, "Применить", {8, 80, 80, 27}},
        {dialog.ui.suiButton4, "Отмена", {96, 80, 80, 27}},
        {dialog.ui.suiButton2, "Очистить", {320, 80, 80, 27}}};
    for (const auto& [button, caption, geometry] : buttons) {
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->geometry(), geometry) << caption.toStdString();
        EXPECT_EQ(button->parentWidget(), dialog.ui.suiForm1);
        EXPECT_EQ(button->UIStyle(), TsuiUIStyle::WinXP);
    }
    EXPECT_EQ(dialog.findChild<TsuiEdit*>("Edit1"), dialog.ui.Edit1);
    EXPECT_EQ(dialog.ui.Edit1->UIStyle(), TsuiUIStyle::WinXP);
}

TEST(ImagesFolderDialog, CreationLoadsTheSavedFolder) {
    ScopedSettingsFolder settings;
    settings.writeSettingsFile("[General]\nImagesPath=/srv/фото\n");
    platform::MessageBoxRecorder boxes;
    TForm3 dialog;
    EXPECT_EQ(dialog.ui.Edit1->text(), "/srv/фото");
    EXPECT_EQ(dialog.imagesFolder(), "/srv/фото");
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(ImagesFolderDialog, AnUnreadableValueIsReportedAndLeavesTheFolderEmpty) {
    ScopedSettingsFolder settings;
    settings.writeSettingsFile("[General]\nImagesPath=@ByteArray(x)\n");
    platform::MessageBoxRecorder boxes;
    TForm3 dialog;
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error),
              QStringList{"Invalid data type for 'ImagesPath'"});
    EXPECT_EQ(dialog.imagesFolder(), QString());
}

TEST(ImagesFolderDialog, ApplySavesRunsTheRefreshAndCloses) {
    ScopedSettingsFolder settings;
    TForm3 dialog;
    QPushButton refresh;
    QString folderDuringRefresh;
    QObject::connect(&refresh, &QPushButton::clicked,
                     [&] { folderDuringRefresh = settings.savedImagesFolder(); });
    dialog.setRefreshButton(&refresh);

    const int result = runDialog(dialog, [&] {
        dialog.ui.Edit1->setText("/srv/photos");
        QTest::mouseClick(dialog.ui.suiButton3, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(settings.savedImagesFolder(), "/srv/photos");
    // The refresh ran once, after the value was saved, before the dialog closed.
    EXPECT_EQ(folderDuringRefresh, "/srv/photos");
    EXPECT_FALSE(dialog.isVisible());

    // An unchanged or emptied folder is saved and refreshed the same way.
    folderDuringRefresh = "not run";
    runDialog(dialog, [&] {
        QTest::mouseClick(dialog.ui.suiButton2, Qt::LeftButton);
        EXPECT_EQ(dialog.ui.Edit1->text(), QString());
        EXPECT_EQ(settings.savedImagesFolder(), "/srv/photos"); // not until "Применить"
        QTest::mouseClick(dialog.ui.suiButton3, Qt::LeftButton);
    });
    EXPECT_TRUE(QFile::exists(settings.settingsFile()));
    EXPECT_EQ(settings.savedImagesFolder(), QString());
    EXPECT_EQ(folderDuringRefresh, QString());
}

TEST(ImagesFolderDialog, AFailedSaveKeepsTheDialogOpenWithoutRefresh) {
    ScopedSettingsFolder settings;
    QDir().mkpath(settings.settingsFile()); // a folder where the file must go
    platform::MessageBoxRecorder boxes;
    TForm3 dialog;
    QPushButton refresh;
    QSignalSpy refreshes(&refresh, &QPushButton::clicked);
    dialog.setRefreshButton(&refresh);

    bool openAfterApply = false;
    runDialog(dialog, [&] {
        dialog.ui.Edit1->setText("/srv/photos");
        QTest::mouseClick(dialog.ui.suiButton3, Qt::LeftButton);
        openAfterApply = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(refreshes.count(), 0);
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error),
              QStringList{"Failed to set data for 'ImagesPath'"});
}

TEST(ImagesFolderDialog, CancelKeepsTheTypedFolderForThisRunOnly) {
    ScopedSettingsFolder settings;
    settings.writeSettingsFile("[General]\nImagesPath=/saved\n");
    TForm3 dialog;
    QPushButton refresh;
    QSignalSpy refreshes(&refresh, &QPushButton::clicked);
    dialog.setRefreshButton(&refresh);

    const int result = runDialog(dialog, [&] {
        dialog.ui.Edit1->setText("/typed");
        QTest::mouseClick(dialog.ui.suiButton4, Qt::LeftButton);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.imagesFolder(), "/typed");
    EXPECT_EQ(refreshes.count(), 0);
    EXPECT_EQ(settings.savedImagesFolder(), "/saved");
    EXPECT_EQ(TForm3().imagesFolder(), "/saved"); // what the next start reads
}

TEST(ImagesFolderDialog, TheFolderBrowserFillsTheEditOnlyOnAChoice) {
    ScopedSettingsFolder settings;
    QTemporaryDir chosen;
    TForm3 dialog;
    dialog.ui.Edit1->setText("/before");

    QString browserTitle;
    ModalScript script;
    script
        .then([&](QWidget* browser) {
            browserTitle = browser->windowTitle();
            static_cast<QDialog*>(browser)->reject();
        })
        .then([&](QWidget* browser) {
            auto* files = qobject_cast<QFileDialog*>(browser);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->fileMode(), QFileDialog::Directory);
            files->setDirectory(chosen.path());
            chooseInFileDialog(files, chosen.path());
        });
    QTest::mouseClick(dialog.ui.suiButton1, Qt::LeftButton);
    EXPECT_EQ(browserTitle, "Выберите папку для поиска");
    EXPECT_EQ(dialog.ui.Edit1->text(), "/before");
    QTest::mouseClick(dialog.ui.suiButton1, Qt::LeftButton);
    EXPECT_EQ(dialog.ui.Edit1->text(), chosen.path());
    EXPECT_EQ(script.stepsLeft(), 0);
}
