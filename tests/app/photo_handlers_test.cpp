// The photo operations of the main window: "+", "Заменить", "-", a click on the picture
// and the photo path refresh, with the files they copy and delete and the records they
// rewrite.
#include "photos/images_folder_dialog.h"
#include "store/file_changes.h"
#include "store/rollback_journal.h"
#include "store/write_fault.h"
#include "support/jpeg_fixture.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"
#include "support/record_fixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

using namespace record_fixture;
using platform::ShownBox;

namespace {

store::ContactRecord record(const QString& name, const QString& address = QString(),
                            const QString& photo = QString()) {
    return makeRecord(name, address, QString(), QString(), QString(), photo);
}

// Takes the URLs the program asks the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class PhotoHandlersTest : public ::testing::Test {
protected:
    PhotoHandlersTest() {
        QDir().mkpath(images());
        red = path("red.jpg");
        blue = path("blue.jpg");
        redBytes = jpeg_fixture::writeFile(red, {290, 121}, Qt::red);
        blueBytes = jpeg_fixture::writeFile(blue, {40, 30}, Qt::blue);
    }
    TForm1& open(std::initializer_list<store::ContactRecord> records) {
        base.writeDataFile(records);
        TForm1& window = base.openWindow();
        dialog.ui.Edit1->setText(images());
        window.setImagesFolderDialog(&dialog);
        dialog.setRefreshButton(window.ui.Button1);
        return window;
    }
    TForm1& w() { return base.window(); }
    QString path(const QString& name) const { return base.folder.filePath(name); }
    QString images() const { return path("images"); }
    QString photo(const QString& name) const { return images() + "/" + name + ".jpg"; }
    // Presses the button while the picture chooser answers with `picture` (empty: cancel).
    void choose(QAbstractButton* button, const QString& picture) {
        ModalScript script;
        script.then(answerPictureChooser(picture));
        button->click();
        EXPECT_EQ(script.stepsLeft(), 0);
    }
    QByteArray contents(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    ScopedSettingsFolder settings;
    WindowFixture base;
    TForm3 dialog;
    QString red, blue;
    QByteArray redBytes, blueBytes;
};

TEST_F(PhotoHandlersTest, PlusBeforeANameAsksForTheNameAndChoosesNothing) {
    open({record("A")});
    w().ui.new_->click();
    ModalScript script;
    script.then(answerPictureChooser(red));
    w().ui.suiButton5->click();
    EXPECT_EQ(script.stepsLeft(), 1); // the chooser never opened
    EXPECT_EQ(base.boxes.texts(platform::ShownBox::Message),
              QStringList{"Сначала введите ФИО: фотография получает имя по нему."});
    EXPECT_TRUE(QDir(images()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
}

TEST_F(PhotoHandlersTest, PlusCopiesUnderTheNameAndSaveStoresThatPath) {
    open({record("A")});
    w().ui.new_->click();
    w().ui.fio->setText("Новый");
    choose(w().ui.suiButton5, red);
    EXPECT_EQ(contents(photo("Новый")), redBytes);
    EXPECT_EQ(w().ui.Label9->text(), photo("Новый"));
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60)); // shown from the chosen file

    // A second "+" with the name unchanged replaces the same file.
    choose(w().ui.suiButton5, blue);
    EXPECT_EQ(contents(photo("Новый")), blueBytes);
    EXPECT_EQ(w().ui.Label9->text(), photo("Новый"));
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(40, 30));

    // Changing the name afterwards does not rename the copy.
    w().ui.fio->setText("Другой");
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A"), record("Другой", "", photo("Новый"))}));
    EXPECT_FALSE(QFile::exists(photo("Другой")));
}

TEST_F(PhotoHandlersTest, ALongNameNamesThePhotoAsTheRecordStoresIt) {
    open({record("A")});
    const QString typed = QString(50, QChar(u'Ж')) + "0123456789";
    const QString stored = typed.left(50);
    w().ui.new_->click();
    w().ui.fio->setText(typed);
    choose(w().ui.suiButton5, red);
    EXPECT_EQ(QDir(images()).entryList(QDir::Files), QStringList{stored + ".jpg"});
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A"), record(stored, "", photo(stored))}));
    // "Применить" re-points the record to the same file, which is there.
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("A", "", photo("A")), record(stored, "", photo(stored))}));
    EXPECT_EQ(contents(photo(stored)), redBytes);
}

TEST_F(PhotoHandlersTest, ASecondRecordOfTheSameNameGetsItsOwnPhotoFile) {
    base.folder.writeBytes("images/Иванов.jpg", redBytes);
    open({record("Иванов", "first", photo("Иванов")), record("Иванов", "second")});
    w().ui.next->click();
    choose(w().ui.suiButton3, blue);
    EXPECT_EQ(contents(photo("Иванов")), redBytes); // the first one's photo stays
    EXPECT_EQ(contents(photo("Иванов (2)")), blueBytes);
    EXPECT_EQ(base.dataBytes(), fileBytes({record("Иванов", "first", photo("Иванов")),
                                           record("Иванов", "second", photo("Иванов (2)"))}));

    // Replacing again keeps the record's own file; a third record gets the next number.
    w().ui.last->click();
    choose(w().ui.suiButton3, red);
    EXPECT_EQ(contents(photo("Иванов (2)")), redBytes);
    EXPECT_FALSE(QFile::exists(photo("Иванов (3)")));
    w().ui.new_->click();
    w().ui.fio->setText("Иванов");
    choose(w().ui.suiButton5, blue);
    EXPECT_EQ(w().ui.Label9->text(), photo("Иванов (3)"));
    EXPECT_EQ(contents(photo("Иванов")), redBytes);

    // "Применить" keeps each record's own file name.
    w().ui.save->click();
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("Иванов", "first", photo("Иванов")),
                                           record("Иванов", "second", photo("Иванов (2)")),
                                           record("Иванов", "", photo("Иванов (3)"))}));
}

TEST_F(PhotoHandlersTest, APhotoStaysWhileAnotherRecordNamesIt) {
    // Two records sharing one file, as older versions made them.
    base.folder.writeBytes("images/Петров.jpg", redBytes);
    open({record("Петров", "1", photo("Петров")), record("Петров", "2", photo("Петров"))});
    w().ui.suiButton4->click(); // "-" on the first
    EXPECT_EQ(contents(photo("Петров")), redBytes);
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("Петров", "2", photo("Петров")), record("Петров", "1")}));
    // "Удалить" on the one still naming it: now no record does, and the file goes.
    w().ui.delete_->click();
    EXPECT_FALSE(QFile::exists(photo("Петров")));
    EXPECT_EQ(base.dataBytes(), fileBytes({record("Петров", "1")}));
}

TEST_F(PhotoHandlersTest, RefreshGivesANameThatLeavesTheFolderNoPathAndDeleteTouchesNothing) {
    // A record named to climb out through a link inside the images folder.
    QDir(path("elsewhere/deep")).mkpath(".");
    ASSERT_TRUE(QFile::link(path("elsewhere/deep"), images() + "/sub"));
    base.folder.writeBytes("elsewhere/x.jpg", "someone else's");
    open({record("sub/../x"), record("B")});
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("sub/../x"), record("B", "", photo("B"))}));
    ASSERT_EQ(w().ui.fio->text(), "sub/../x");
    w().ui.delete_->click();
    EXPECT_EQ(contents(path("elsewhere/x.jpg")), "someone else's");
    EXPECT_EQ(base.names(), QStringList{"B"});
}

TEST_F(PhotoHandlersTest, CancellingTheChooserChangesNothing) {
    open({record("A", "", "/kept.jpg"), record("B")});
    choose(w().ui.suiButton3, QString());
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_TRUE(QDir(images()).isEmpty());
}

TEST_F(PhotoHandlersTest, ReplaceWithOneRecordCopiesAndShowsButKeepsTheStoredPath) {
    open({record("A", "", "/elsewhere/a.jpg")});
    choose(w().ui.suiButton3, red);
    EXPECT_EQ(contents(photo("A")), redBytes);
    EXPECT_EQ(w().ui.Label9->text(), photo("A"));
    EXPECT_EQ(w().ui.Image1->pixmap().size(), QSize(145, 60));
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A", "", "/elsewhere/a.jpg")}));
}

TEST_F(PhotoHandlersTest, ReplaceMovesTheChangedRecordToTheEndAndShowsRecordOne) {
    open({record("A"), record("B", "addr B"), record("C")});
    w().ui.next->click();
    ASSERT_EQ(w().ui.fio->text(), "B");
    choose(w().ui.suiButton3, blue);
    EXPECT_EQ(contents(photo("B")), blueBytes);
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("A"), record("C"), record("B", "addr B", photo("B"))}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_FALSE(w().ui.first->isEnabled());
    EXPECT_TRUE(w().ui.next->isEnabled());
}

TEST_F(PhotoHandlersTest, ADamagedPictureIsReportedAfterTheCopyAndTheRecordStays) {
    open({record("A"), record("B")});
    const QString broken = path("broken.jpg");
    base.folder.writeBytes("broken.jpg", redBytes.left(redBytes.size() / 2));
    choose(w().ui.suiButton3, broken);
    ASSERT_EQ(base.boxes.texts(platform::ShownBox::Error).size(), 1);
    EXPECT_TRUE(base.boxes.texts(platform::ShownBox::Error)[0].startsWith("JPEG error #"));
    EXPECT_TRUE(QFile::exists(photo("A")));
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
}

TEST_F(PhotoHandlersTest, ANameThatLeavesTheFolderCopiesNothingAndIsReported) {
    open({record("A")});
    w().ui.new_->click();
    w().ui.fio->setText("../escaped");
    choose(w().ui.suiButton5, red);
    EXPECT_FALSE(QFile::exists(path("escaped.jpg")));
    EXPECT_EQ(base.boxes.texts(platform::ShownBox::Message),
              QStringList{"Изображение не скопировано: имя «../escaped» не может быть именем "
                          "файла."});
    // Nothing names a file that is not there: the record is saved without a photo.
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_TRUE(w().ui.Image1->pixmap().isNull());
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A"), record("../escaped")}));
}

TEST_F(PhotoHandlersTest, MinusDeletesTheOwnFileAndClearsThePath) {
    base.folder.writeBytes("images/A.jpg", redBytes);
    open({record("A", "", photo("A")), record("B")});
    w().ui.Label9->setText("pending");
    w().ui.suiButton4->click();
    EXPECT_FALSE(QFile::exists(photo("A")));
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_EQ(base.dataBytes(), fileBytes({record("B"), record("A")}));
    EXPECT_EQ(w().ui.fio->text(), "B");

    // The photo already gone: the path is cleared all the same.
    open({record("C", "", photo("C")), record("D")});
    w().ui.suiButton4->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("D"), record("C")}));
}

TEST_F(PhotoHandlersTest, MinusNeverDeletesAFileOutsideTheImagesFolder) {
    const QString foreign = path("foreign.jpg");
    base.folder.writeBytes("foreign.jpg", redBytes);
    open({record("A", "", foreign), record("B")});
    w().ui.suiButton4->click();
    EXPECT_TRUE(QFile::exists(foreign));
    EXPECT_EQ(base.dataBytes(), fileBytes({record("B"), record("A")}));
}

// "-" and "Удалить" delete the photo only after the change of the base is on the disk:
// the photo is still there when the journal is removed, and a change that fails keeps
// both the record and its photo.
TEST_F(PhotoHandlersTest, APhotoGoesOnlyAfterTheChangeOfTheBaseIsDurable) {
    for (QAbstractButton* (*button)(TForm1&) :
         {+[](TForm1& w) -> QAbstractButton* { return w.ui.suiButton4; },
          +[](TForm1& w) -> QAbstractButton* {
              return w.ui.delete_;
          }}) {
        base.folder.writeBytes("images/A.jpg", redBytes);
        open({record("A", "", photo("A")), record("B")});
        const QByteArray before = base.dataBytes();
        store::failNthWrite(1, ENOSPC);
        button(w())->click();
        store::failNthWrite(0, 0);
        EXPECT_TRUE(base.dataBytes() == before);
        EXPECT_TRUE(QFile::exists(photo("A")));

        int commits = 0;
        store::setFileChangeHook([&](const store::FileChange& change) {
            // The change counts once its journal goes or its new file takes the base's name.
            const bool journalGoes = change.kind == store::FileChangeKind::Remove &&
                                     change.path == store::journalPath(base.dataFile());
            const bool newFileTakesOver =
                change.kind == store::FileChangeKind::Rename && change.target == base.dataFile();
            if (journalGoes || newFileTakesOver) {
                ++commits;
                EXPECT_TRUE(QFile::exists(photo("A"))) << "the photo went before the commit";
            }
            return 0;
        });
        button(w())->click();
        store::setFileChangeHook({});
        EXPECT_EQ(commits, 1);
        EXPECT_FALSE(QFile::exists(photo("A")));
        EXPECT_EQ(namesIn(base.dataBytes()).first(), "B");
    }
}

TEST_F(PhotoHandlersTest, AClickOpensThePathInTheStatusBarIfItExists) {
    base.folder.writeBytes("images/A.jpg", redBytes);
    open({record("A", "", photo("A")), record("B")});
    w().show();
    OpenedUrls opened;
    QTest::mouseClick(w().ui.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(photo("A"))});

    // A record without a photo leaves the previous path in the panel, and it opens.
    w().ui.next->click();
    QTest::mouseClick(w().ui.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened.urls.size(), 2);
    EXPECT_EQ(opened.urls.last(), QUrl::fromLocalFile(photo("A")));

    // A path whose file is gone opens nothing.
    QFile::remove(photo("A"));
    QTest::mouseClick(w().ui.Image1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened.urls.size(), 2);
}

TEST_F(PhotoHandlersTest, RefreshRepointsEveryRecordAndPutsTheOneOnShowFirst) {
    open({record("A", "", "/old/a.jpg"), record("B"), record("C", "addr C"), record("D")});
    w().ui.next->click();
    w().ui.next->click();
    ASSERT_EQ(w().ui.fio->text(), "C");
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(),
              fileBytes({record("C", "addr C", photo("C")), record("A", "", photo("A")),
                         record("B", "", photo("B")), record("D", "", photo("D"))}));
    EXPECT_EQ(w().ui.fio->text(), "C");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 4");
    EXPECT_EQ(w().ui.Label9->text(), photo("D"));
    EXPECT_FALSE(w().ui.suiButton2->isEnabled());
    EXPECT_TRUE(QDir(images()).isEmpty()); // paths only: no file is made
}

TEST_F(PhotoHandlersTest, RefreshOnAFullDiskLeavesTheBaseExactlyAsItWas) {
    QList<store::ContactRecord> records;
    for (int k = 0; k < 5000; ++k)
        records << record(QString("Контакт %1").arg(k), "", "/old/" + QString::number(k));
    base.writeDataFile(records);
    const QByteArray before = base.dataBytes();
    TForm1& window = base.openWindow();
    window.setImagesFolderDialog(&dialog);
    dialog.ui.Edit1->setText(images());
    // A full disk at each file change up to the rename of the new base over the old.
    int failures = 0;
    for (int n = 1;; ++n) {
        base.boxes.boxes.clear();
        int seen = 0;
        bool renamed = false;
        store::setFileChangeHook([&](const store::FileChange& change) {
            if (++seen == n && !renamed)
                return ENOSPC;
            renamed = renamed || change.kind == store::FileChangeKind::Rename;
            return 0;
        });
        window.ui.Button1->click();
        store::setFileChangeHook({});
        if (renamed)
            break;
        ++failures;
        EXPECT_EQ(base.boxes.texts(ShownBox::Error), QStringList({"Disk full"})) << n;
        EXPECT_TRUE(base.dataBytes() == before) << "change " << n;
        EXPECT_EQ(window.ui.Label7->text(), "Всего записей: 5000");
    }
    EXPECT_EQ(failures, 4); // the new file created, written, flushed, renamed
    EXPECT_TRUE(base.boxes.texts(ShownBox::Error).isEmpty());
    EXPECT_EQ(namesIn(base.dataBytes()).size(), 5000);
    EXPECT_EQ(namesIn(base.dataBytes()).removeDuplicates(), 0);
}

TEST_F(PhotoHandlersTest, RefreshWithTheFolderEmptiedStoresRootPaths) {
    open({record("A"), record("B")});
    dialog.ui.Edit1->clear();
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A", "", "/A.jpg"), record("B", "", "/B.jpg")}));
}

TEST_F(PhotoHandlersTest, RefreshTakesUnsavedTextIntoTheRecordOnShow) {
    open({record("A")});
    w().ui.adres->setText("typed");
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A", "typed", photo("A"))}));
}

TEST_F(PhotoHandlersTest, RefreshDuringANewEntryEndsTheEntryFirst) {
    open({record("A"), record("B"), record("C")});
    w().ui.new_->click();
    w().ui.fio->setText("Unsaved");
    w().ui.Button1->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A", "", photo("A")), record("B", "", photo("B")),
                                           record("C", "", photo("C"))}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_FALSE(w().ui.save->isEnabled());
    EXPECT_TRUE(w().ui.new_->isEnabled());
}

TEST_F(PhotoHandlersTest, ApplyInTheDialogRunsTheRefresh) {
    open({record("A"), record("B")});
    ModalScript script;
    script.then([&](QWidget*) {
        dialog.ui.Edit1->setText(path("other"));
        QTest::mouseClick(dialog.ui.suiButton3, Qt::LeftButton);
    });
    w().ui.N15->trigger();
    EXPECT_EQ(base.dataBytes(), fileBytes({record("A", "", path("other") + "/A.jpg"),
                                           record("B", "", path("other") + "/B.jpg")}));
}

TEST_F(PhotoHandlersTest, RefreshOfAnEmptyBaseDoesNothing) {
    open({});
    w().ui.Button1->click();
    EXPECT_TRUE(base.dataBytes().isEmpty());
    EXPECT_TRUE(base.boxes.boxes.isEmpty());
}

} // namespace

#include "photo_handlers_test.moc"
