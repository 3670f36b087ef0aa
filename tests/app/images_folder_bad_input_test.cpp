// Bad input at the photo operations: an images folder that is gone since it was chosen,
// one that cannot be written (root included) and one on a full disk. Start-up, "+",
// "Заменить", "-", "Удалить" and the display of a record whose photo is in such a folder
// must give a clear message where there is one, no crash, no lost record, no record that
// names a photo that was never copied, and no piece of a photo file.
#include "photos/images_folder_dialog.h"
#include "photos/images_folder_setting.h"
#include "support/jpeg_fixture.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"
#include "support/record_fixture.h"
#include "support/small_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

using namespace record_fixture;

namespace {

store::ContactRecord record(const QString& name, const QString& photo = QString()) {
    return makeRecord(name, QString(), QString(), QString(), QString(), photo);
}

// A folder holding the given files that nothing can write into, root included: a
// read-only tmpfs where mounting is allowed, otherwise a folder without write permission,
// which stops everyone but root (then `ready()` is false and `whyNot()` says so).
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QMap<QString, QByteArray>& files) : m_disk("1m") {
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile out(QDir(path()).filePath(file.key()));
            if (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file->size())
                return;
        }
        if (m_disk.mounted()) {
            m_ready = m_disk.makeReadOnly();
            return;
        }
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QFile probe(QDir(path()).filePath("probe"));
        m_ready = !probe.open(QIODevice::WriteOnly);
        if (!m_ready)
            probe.remove();
    }
    ~UnwritableFolder() {
        if (!m_disk.mounted())
            QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ready() const { return m_ready; }
    std::string whyNot() const {
        return m_disk.whyNot() + ", and write permission does not stop this user";
    }
    QString path() const { return m_disk.mounted() ? m_disk.path() : m_plain.path(); }
    QString filePath(const QString& name) const { return QDir(path()).filePath(name); }

private:
    SmallFileSystem m_disk;
    QTemporaryDir m_plain;
    bool m_ready = false;
};

// Every file in the folder, hidden ones too (a copy under way is a hidden file there).
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

class ImagesFolderBadInput : public ::testing::Test {
protected:
    ImagesFolderBadInput() {
        red = base.folder.filePath("red.jpg");
        blue = base.folder.filePath("blue.jpg");
        redBytes = jpeg_fixture::writeFile(red, {290, 121}, Qt::red);
        blueBytes = jpeg_fixture::writeFile(blue, {40, 30}, Qt::blue);
    }

    // Starts the program over these records with `folder` saved as the images folder, and
    // lets the start-up check run; no window may open during it.
    TForm1& start(const QString& folder, const QList<store::ContactRecord>& records) {
        photos::saveImagesFolder(folder);
        base.writeDataFile(records);
        TForm1& window = base.openWindow();
        dialog = std::make_unique<TForm3>();
        window.setImagesFolderDialog(dialog.get());
        dialog->setRefreshButton(window.ui.Button1);
        ModalScript quiet;
        window.show();
        QTest::qWait(50);
        EXPECT_TRUE(quiet.seen.isEmpty()) << quiet.seen.join(", ").toStdString();
        EXPECT_EQ(window.imagesFolder(), folder);
        return window;
    }
    TForm1& w() { return base.window(); }

    // Presses the button while the picture chooser answers with `picture`.
    void choose(QAbstractButton* button, const QString& picture) {
        ModalScript script;
        script.then(answerPictureChooser(picture));
        button->click();
        EXPECT_EQ(script.stepsLeft(), 0);
    }
    QStringList takeBoxes() {
        const QStringList texts = base.boxes.texts();
        base.boxes.boxes.clear();
        return texts;
    }

    ScopedSettingsFolder settings;
    WindowFixture base;
    std::unique_ptr<TForm3> dialog;
    QString red, blue;
    QByteArray redBytes, blueBytes;
};

} // namespace

TEST_F(ImagesFolderBadInput, AFolderThatIsGoneIsReportedAndNoRecordNamesAPhotoNeverCopied) {
    // Chosen once, then deleted: the setting and the records still name it.
    const QString gone = base.folder.filePath("images");
    const QList<store::ContactRecord> records = {record("P", red), record("A", gone + "/A.jpg"),
                                                 record("B")};
    start(gone, records);
    EXPECT_EQ(takeBoxes(), QStringList());
    EXPECT_EQ(w().ui.fio->text(), "P");
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60));

    // The record whose photo went with the folder comes up quietly, without P's picture.
    w().ui.next->click();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(takeBoxes(), QStringList());
    EXPECT_TRUE(w().ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w().ui.suiButton3->isEnabled());
    EXPECT_TRUE(w().ui.suiButton4->isEnabled());

    const QString notice = "Изображение не скопировано: папка «" + gone + "» не найдена.";
    // "Заменить": said, and the record, the pending path and the picture stay as they were.
    choose(w().ui.suiButton3, red);
    EXPECT_EQ(takeBoxes(), QStringList{notice});
    EXPECT_EQ(base.dataBytes(), fileBytes(records));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_TRUE(w().ui.Image1->pixmap().isNull());

    // "+": said; the new record is saved without a photo rather than with a dead path.
    w().ui.new_->click();
    w().ui.fio->setText("C");
    choose(w().ui.suiButton5, blue);
    EXPECT_EQ(takeBoxes(), QStringList{notice});
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_TRUE(w().ui.Image1->pixmap().isNull());
    EXPECT_TRUE(w().ui.save->isEnabled());
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes(records + QList{record("C")}));
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 4");

    // "-" on A: the photo is gone already, so the path is cleared without a word.
    w().ui.next->click();
    ASSERT_EQ(w().ui.fio->text(), "A");
    w().ui.suiButton4->click();
    EXPECT_EQ(takeBoxes(), QStringList());
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("P", red), record("B"), record("C"), record("A")}));

    // Nothing made the folder again, and the setting still names it.
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(settings.savedImagesFolder(), gone);

    // Cleared in the dialog and not set again: no photo goes to the root of the disk.
    dialog->ui.Edit1->clear();
    choose(w().ui.suiButton3, red);
    EXPECT_EQ(takeBoxes(),
              QStringList{"Изображение не скопировано: папка с изображениями не задана."});
    EXPECT_FALSE(QFileInfo::exists("/P.jpg"));
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("P", red), record("B"), record("C"), record("A")}));
}

TEST_F(ImagesFolderBadInput, AFolderThatCannotBeWrittenKeepsItsPhotosAndSaysSo) {
    UnwritableFolder images({{"A.jpg", redBytes}, {"B.jpg", blueBytes}});
    if (!images.ready())
        GTEST_SKIP() << images.whyNot();
    const QString photoA = images.filePath("A.jpg");
    const QString photoB = images.filePath("B.jpg");
    const QList<store::ContactRecord> records = {record("A", photoA), record("B", photoB)};
    start(images.path(), records);
    EXPECT_EQ(takeBoxes(), QStringList());
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60)); // read as before

    const QString copyNotice =
        "Изображение не скопировано: нет права записи в папку «" + images.path() + "».";
    // "Заменить": said; A's photo, the record and the picture on show stay.
    choose(w().ui.suiButton3, blue);
    EXPECT_EQ(takeBoxes(), QStringList{copyNotice});
    EXPECT_EQ(readWholeFile(photoA), redBytes);
    EXPECT_EQ(base.dataBytes(), fileBytes(records));
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60));

    // "-": the record lets go of its photo, and the file that stays is named.
    ASSERT_EQ(w().ui.fio->text(), "A");
    w().ui.suiButton4->click();
    EXPECT_EQ(takeBoxes(), QStringList{"Файл изображения «" + photoA +
                                       "» не удалён: нет права "
                                       "записи в папку «" +
                                       images.path() + "»."});
    EXPECT_EQ(base.dataBytes(), fileBytes({record("B", photoB), record("A")}));

    // "Удалить": the record goes, and the file that stays is named.
    ASSERT_EQ(w().ui.fio->text(), "B");
    w().ui.delete_->click();
    EXPECT_EQ(takeBoxes(), (QStringList{"Удалить запись?", "Файл изображения «" + photoB +
                                                               "» не удалён: нет "
                                                               "права записи в папку «" +
                                                               images.path() + "»."}));
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A")}));

    // "+" for a new record of the same name would replace A's photo: said, nothing copied.
    w().ui.new_->click();
    w().ui.fio->setText("A");
    choose(w().ui.suiButton5, blue);
    EXPECT_EQ(takeBoxes(), QStringList{copyNotice});
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_EQ(readWholeFile(photoA), redBytes);
    QTest::keyClick(w().ui.fio, Qt::Key_Escape); // the entry is given up
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A")}));

    EXPECT_EQ(filesIn(images.path()), (QStringList{"A.jpg", "B.jpg"}));
    EXPECT_EQ(readWholeFile(photoB), blueBytes);
}

TEST_F(ImagesFolderBadInput, OnAFullDiskAReplacedPhotoStaysWholeAndNoPieceOfTheNewOneIsLeft) {
    SmallFileSystem disk("256k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    QFile photo(disk.filePath("A.jpg"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    ASSERT_EQ(photo.write(redBytes), redBytes.size());
    photo.close();
    const QList<store::ContactRecord> records = {record("A", photo.fileName()), record("B")};
    start(disk.path(), records);
    fillUp(disk.path());

    choose(w().ui.suiButton3, blue);
    EXPECT_EQ(takeBoxes(), QStringList{"Изображение не скопировано: на диске нет места."});
    EXPECT_EQ(readWholeFile(photo.fileName()), redBytes);
    EXPECT_EQ(filesIn(disk.path()), (QStringList{"A.jpg", "filler"}));
    EXPECT_EQ(base.dataBytes(), fileBytes(records));
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60));

    // With room again the same choice goes through.
    QFile::remove(disk.filePath("filler"));
    choose(w().ui.suiButton3, blue);
    EXPECT_EQ(takeBoxes(), QStringList());
    EXPECT_EQ(readWholeFile(photo.fileName()), blueBytes);
    EXPECT_EQ(base.dataBytes(), fileBytes({record("B"), record("A", photo.fileName())}));
}
