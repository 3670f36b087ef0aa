// Bad input at the entrances of the record operations: names that look like paths or
// hold control characters and letters the code page lacks, a photo path of the full 255
// characters to a JPEG cut in half, a read-only data file and a full disk. Each must give
// a clear message where there is one, no crash and no lost record.
#include "app/main_window.h"

#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "support/record_fixture.h"
#include "support/small_file_system.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QList<store::ContactRecord> someRecords(int count) {
    QList<store::ContactRecord> records;
    for (int k = 0; k < count; ++k)
        records << makeRecord(QStringLiteral("Запись %1").arg(k),
                              QStringLiteral("ул. Мира, %1").arg(k));
    return records;
}

} // namespace

TEST(BadInput, NamesLikePathsWithControlCharactersAndForeignLettersAreStoredAsPlainText) {
    record_fixture::WindowFixture f;
    f.writeDataFile({makeRecord("Первый")});
    TForm1& w = f.openWindow();
    const QStringList typed = {"../../etc/passwd", "..", "a/b\\c",
                               QString("Тест\x01\t\x7f") + QChar(0x1b),
                               QStringLiteral("Łódź 東京 Ёлка")};
    // Letters the code page lacks are stored as '?'; everything else byte for byte.
    const QStringList stored = {"../../etc/passwd", "..", "a/b\\c", typed[3],
                                QStringLiteral("??d? ?? Ёлка")};
    for (const QString& name : typed) {
        w.ui.new_->click();
        w.ui.fio->setText(name);
        w.ui.save->click();
    }
    EXPECT_TRUE(f.boxes.boxes.isEmpty()) << f.boxes.texts().join("; ").toStdString();
    EXPECT_EQ(f.names(), QStringList{"Первый"} + stored);
    // A name never becomes a file: only the base and its size copy are in the folder.
    EXPECT_EQ(QDir(f.folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"Baza.dat", "Baza1.dat"}));

    // Each is found by its stored name and can be deleted alone.
    for (const QString& name : stored) {
        w.ui.search->click();
        w.ui.suiComboBox1->setEditText(name);
        w.ui.ToolButton1->click();
        EXPECT_EQ(w.ui.fio->text(), name);
    }
    w.ui.search->click();
    w.ui.suiComboBox1->setEditText("..");
    w.ui.ToolButton1->click();
    w.ui.delete_->click();
    EXPECT_TRUE(f.boxes.texts(platform::ShownBox::Error).isEmpty());
    QStringList left = QStringList{"Первый"} + stored;
    left.removeOne("..");
    EXPECT_EQ(f.names(), left);
    EXPECT_TRUE(QDir(f.folder.path()).exists());
}

TEST(BadInput, APhotoPathOfTheFull255CharactersToAJpegCutInHalfStillShowsTheRecord) {
    if (!QImageWriter::supportedImageFormats().contains("jpeg"))
        GTEST_SKIP() << "Qt has no JPEG writer here to make the test picture";
    record_fixture::WindowFixture f;
    // Folders deep enough that the path is exactly as long as the field holds.
    QString folder = f.folder.path();
    while (folder.size() + 30 < 255 - 10)
        folder += "/" + QString(29, 'p');
    folder += "/" + QString(255 - 10 - folder.size() - 1, 'q');
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString photo = folder + "/photo.jpg";
    ASSERT_EQ(photo.size(), 255);

    QImage picture(320, 240, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(photo, "JPEG"));
    QByteArray whole = readWholeFile(photo);
    writeFile(photo, whole.left(whole.size() / 2));

    f.writeDataFile({makeRecord("С фото", "", "", "", "", photo), makeRecord("Второй")});
    TForm1& w = f.openWindow();
    EXPECT_EQ(w.ui.fio->text(), "С фото");
    EXPECT_EQ(w.ui.Label7->text(), "Всего записей: 2");
    // The half picture is shown as far as it goes, or refused with the decoder's message.
    for (const QString& error : f.boxes.texts(platform::ShownBox::Error))
        EXPECT_TRUE(error.startsWith("JPEG error #")) << error.toStdString();
    w.ui.next->click();
    w.ui.previous->click();
    EXPECT_EQ(w.ui.fio->text(), "С фото");
    EXPECT_EQ(f.dataBytes(), record_fixture::fileBytes({makeRecord("С фото", "", "", "", "", photo),
                                                        makeRecord("Второй")}));
}

TEST(BadInput, AReadOnlyBaseIsReportedAndLeftAsItWas) {
    SmallFileSystem disk("1m");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    const QByteArray bytes = record_fixture::fileBytes(someRecords(3));
    writeFile(disk.filePath("Baza.dat"), bytes);
    ASSERT_TRUE(disk.makeReadOnly());
    platform::BaseFolder::set(disk.path());

    platform::MessageBoxRecorder boxes;
    TForm1 w;
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList());
    EXPECT_EQ(boxes.texts(platform::ShownBox::Message).size(), 1);
    w.ui.new_->click();
    w.ui.fio->setText("Новая");
    w.ui.save->click();
    w.ui.N5->trigger();
    EXPECT_EQ(readWholeFile(disk.filePath("Baza.dat")), bytes);
}

TEST(BadInput, OnAFullDiskNothingIsLostAndTheFailureIsReported) {
    SmallFileSystem disk("256k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    QList<store::ContactRecord> records = someRecords(100);
    writeFile(disk.filePath("Baza.dat"), record_fixture::fileBytes(records));
    platform::BaseFolder::set(disk.path());
    platform::MessageBoxRecorder boxes;
    auto w = std::make_unique<TForm1>();
    fillUp(disk.path());
    ASSERT_TRUE(boxes.boxes.isEmpty());

    // The file's last block may still take a record or two; then the disk is full. The
    // record that did not fit leaves no piece of itself at the end of the file.
    for (int k = 0; k < 20 && boxes.boxes.isEmpty(); ++k) {
        w->ui.new_->click();
        w->ui.fio->setText(QStringLiteral("Добавлена %1").arg(k));
        w->ui.save->click();
        if (boxes.boxes.isEmpty())
            records << makeRecord(QStringLiteral("Добавлена %1").arg(k));
    }
    EXPECT_EQ(boxes.texts(), QStringList{"Disk full"});
    EXPECT_EQ(readWholeFile(disk.filePath("Baza.dat")), record_fixture::fileBytes(records));

    // A change appends its new version first: with no room, the old one stays.
    boxes.boxes.clear();
    w = std::make_unique<TForm1>();
    w->ui.adres->setText("Новый адрес");
    w->ui.suiButton2->setEnabled(true); // as a key typed into the box does
    w->ui.suiButton2->click();
    EXPECT_EQ(boxes.texts(), QStringList{"Disk full"});
    EXPECT_EQ(readWholeFile(disk.filePath("Baza.dat")), record_fixture::fileBytes(records));

    // The backup has no room either: it says so and leaves no piece of a copy behind.
    boxes.boxes.clear();
    w->ui.N4->trigger();
    EXPECT_EQ(boxes.texts(), QStringList{"Резервная копия базы не создана!"});
    EXPECT_FALSE(QFile::exists(disk.filePath("Копия/Baza.dat")));
    EXPECT_EQ(QDir(disk.filePath("Копия")).entryList(QDir::Files | QDir::Hidden), QStringList());

    // Deleting keeps the records it moves in the journal first: with no room for it, the
    // delete is refused whole, and with room it goes through.
    boxes.boxes.clear();
    w = std::make_unique<TForm1>();
    w->ui.delete_->click();
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList{"Disk full"});
    EXPECT_EQ(readWholeFile(disk.filePath("Baza.dat")), record_fixture::fileBytes(records));
    EXPECT_FALSE(QFile::exists(disk.filePath("Baza.dat-journal")));
    QFile::resize(disk.filePath("filler"), 0);
    boxes.boxes.clear();
    w->ui.delete_->click();
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList());
    EXPECT_EQ(readWholeFile(disk.filePath("Baza.dat")), record_fixture::fileBytes(records.mid(1)));
}
