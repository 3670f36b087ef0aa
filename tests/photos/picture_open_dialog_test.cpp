#include "photos/picture_open_dialog.h"
#include "support/file_dialog_answer.h"
#include "support/jpeg_fixture.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PictureOpenDialog, OffersJpegFilesOnly) {
    photos::PictureOpenDialog dialog;
    EXPECT_EQ(dialog.nameFilters(), QStringList{"JPEG Image File (*.jpg)"});
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
}

TEST(PictureOpenDialog, PreviewsTheSelectedPictureAndItsSize) {
    TestFolder dir;
    const QString face = dir.filePath("face.jpg");
    jpeg_fixture::writeFile(face, {320, 200}, Qt::blue);
    const QString broken = dir.filePath("broken.jpg");
    dir.writeBytes("broken.jpg", "not a picture");

    photos::PictureOpenDialog dialog;
    dialog.setDirectory(dir.path());
    EXPECT_TRUE(dialog.preview()->pixmap().isNull());
    EXPECT_EQ(dialog.previewCaption()->text(), "Нет изображения");

    emit dialog.currentChanged(face);
    EXPECT_EQ(dialog.preview()->pixmap().size(), QSize(160, 100));
    EXPECT_EQ(dialog.previewCaption()->text(), "320 x 200");

    // A damaged file has no preview, and the dialog goes on.
    emit dialog.currentChanged(broken);
    EXPECT_TRUE(dialog.preview()->pixmap().isNull());
    EXPECT_EQ(dialog.previewCaption()->text(), "Нет изображения");
}

TEST(PictureOpenDialog, ChooseGivesTheFileOrNothing) {
    QTemporaryDir dir;
    const QString face = dir.filePath("face.jpg");
    jpeg_fixture::writeFile(face, {32, 32});
    ModalScript script;
    script.then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); })
        .then([&](QWidget* dialog) {
            auto* files = static_cast<QFileDialog*>(dialog);
            files->setDirectory(dir.path());
            chooseInFileDialog(files, face);
        });
    EXPECT_EQ(photos::PictureOpenDialog::choose(nullptr), QString());
    EXPECT_EQ(photos::PictureOpenDialog::choose(nullptr), face);
}
