// The "Файл" menu: backup, restore from the backup or a located file, clearing, exit.
#include "store/write_fault.h"
#include "support/file_dialog_answer.h"
#include "support/record_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>

using namespace record_fixture;
using platform::ShownBox;

namespace {

const QString kCreated = "Резервная копия базы была успешно создана";
const QString kRestored = "Резервная копия базы восстановлена";
const QString kLocate = "Не могу найти файл, укажите его расположение";

class BackupRestoreTest : public ::testing::Test {
protected:
    void TearDown() override { store::failNthWrite(0, 0); }

    TForm1& open(const QList<store::ContactRecord>& records) {
        base.writeDataFile(records);
        return base.openWindow();
    }
    TForm1& w() { return base.window(); }
    QString backup() const { return base.folder.filePath("Копия/Baza.dat"); }
    QByteArray backupBytes() const { return base.folder.readBytes("Копия/Baza.dat"); }
    void writeBackup(const QList<store::ContactRecord>& records) {
        QDir(base.folder.path()).mkpath("Копия");
        base.folder.writeRecords("Копия/Baza.dat", records);
    }
    // Answers the file dialog the restore opens: `file` is chosen, or it is cancelled.
    void answerFileDialog(const QString& file) {
        QTimer::singleShot(0, [this, file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogFilters = dialog->nameFilters();
            if (file.isEmpty()) {
                dialog->reject();
            } else {
                chooseInFileDialog(dialog, file);
            }
        });
    }

    WindowFixture base;
    QStringList dialogFilters;
};

TEST_F(BackupRestoreTest, BackupCreatesTheFolderAndThenReplacesTheCopy) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.N4->trigger();
    EXPECT_EQ(backupBytes(), base.dataBytes());
    EXPECT_EQ(base.boxes.texts(), QStringList({kCreated}));
    EXPECT_EQ(base.boxes.boxes.first().kind, ShownBox::Message);

    w().ui.new_->click();
    w().ui.fio->setText("C");
    w().ui.save->click();
    w().ui.N4->trigger();
    EXPECT_EQ(backupBytes(), fileBytes({makeRecord("A"), makeRecord("B"), makeRecord("C")}));
    EXPECT_EQ(base.boxes.texts(), QStringList({kCreated, kCreated}));
}

TEST_F(BackupRestoreTest, BackupIntoAnExistingEmptyFolderIsMade) {
    open({makeRecord("A")});
    QDir(base.folder.path()).mkpath("Копия");
    w().ui.N4->trigger();
    EXPECT_EQ(backupBytes(), fileBytes({makeRecord("A")}));
    EXPECT_EQ(base.boxes.texts(), QStringList({kCreated}));
}

TEST_F(BackupRestoreTest, AFailedBackupSaysSoAndKeepsTheEarlierCopy) {
    open({makeRecord("A")});
    writeBackup({makeRecord("old")});
    store::failNthWrite(1, ENOSPC);
    w().ui.N4->trigger();
    EXPECT_EQ(base.boxes.texts(), QStringList({"Резервная копия базы несоздана!"}));
    EXPECT_EQ(backupBytes(), fileBytes({makeRecord("old")}));
    EXPECT_EQ(QDir(base.folder.filePath("Копия")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Baza.dat"})); // no temporary copy left behind
}

TEST_F(BackupRestoreTest, AFailedFirstBackupSaysSo) {
    open({makeRecord("A")});
    store::failNthWrite(1, ENOSPC);
    w().ui.N4->trigger();
    EXPECT_EQ(base.boxes.texts(), QStringList({"Резервная копия базы не создана!"}));
    EXPECT_FALSE(QFile::exists(backup()));
}

TEST_F(BackupRestoreTest, ABackupFolderThatCannotBeMadeIsAnError) {
    open({makeRecord("A")});
    base.folder.writeBytes("Копия", "a file where the folder belongs");
    w().ui.N4->trigger();
    EXPECT_EQ(base.boxes.texts(ShownBox::Error), QStringList({"I/O error 17"}));
    EXPECT_TRUE(base.boxes.texts(ShownBox::Message).isEmpty());
}

TEST_F(BackupRestoreTest, RestoreReplacesTheDataFileAndShowsItsFirstRecord) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    w().ui.last->click();
    writeBackup({makeRecord("X"), makeRecord("Y")});
    w().ui.N3->trigger();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("X"), makeRecord("Y")}));
    EXPECT_EQ(w().ui.fio->text(), "X");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
    EXPECT_EQ(base.boxes.texts(), QStringList({kRestored}));
    // The reopened file is the one the window works on.
    w().ui.next->click();
    EXPECT_EQ(w().ui.fio->text(), "Y");
}

TEST_F(BackupRestoreTest, RestoreOfAnEmptyBackupEmptiesTheWindow) {
    open({makeRecord("A"), makeRecord("B")});
    writeBackup({});
    w().ui.N3->trigger();
    EXPECT_EQ(base.dataBytes().size(), 0);
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 0");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 0");
    EXPECT_TRUE(w().ui.fio->text().isEmpty());
    EXPECT_EQ(enabledOf(w(), kRecordButtons), QStringList({"new"}));
    EXPECT_FALSE(w().ui.N17->isEnabled());
    EXPECT_EQ(base.boxes.texts(), QStringList({kRestored}));
}

TEST_F(BackupRestoreTest, RestoreEndsAnEntryUnderWay) {
    open({makeRecord("A")});
    writeBackup({makeRecord("X")});
    w().ui.new_->click();
    w().ui.N3->trigger();
    EXPECT_EQ(w().ui.fio->text(), "X");
    EXPECT_FALSE(w().ui.save->isEnabled());
    EXPECT_TRUE(w().ui.new_->isEnabled());
    w().suiButton2Click(); // changes X, adds nothing
    EXPECT_EQ(base.names(), QStringList({"X"}));
}

TEST_F(BackupRestoreTest, AFailedRestoreIsReportedAndTheWindowShowsTheFileThere) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.next->click();
    QDir(base.folder.path()).mkpath("Копия/Baza.dat"); // a folder in place of the backup
    w().ui.N3->trigger();
    EXPECT_EQ(base.boxes.texts(ShownBox::Error),
              QStringList({"Не удалось восстановить базу: указана папка, а не файл"}));
    EXPECT_FALSE(base.boxes.texts().contains(kRestored));
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A"), makeRecord("B")}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
}

TEST_F(BackupRestoreTest, ARestoreCutShortLeavesTheDataFileWhole) {
    open({makeRecord("A"), makeRecord("B")});
    writeBackup({makeRecord("X")});
    store::failNthWrite(1, ENOSPC);
    w().ui.N3->trigger();
    EXPECT_EQ(base.boxes.texts(ShownBox::Error),
              QStringList({"Не удалось восстановить базу: на диске нет места"}));
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A"), makeRecord("B")}));
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
}

TEST_F(BackupRestoreTest, RestoreWithoutBackupAsksForTheFileAndMakesItTheBackup) {
    open({makeRecord("A")});
    QDir(base.folder.path()).mkpath("elsewhere");
    const QString located = base.folder.filePath("elsewhere/Baza.dat");
    base.folder.writeRecords("elsewhere/Baza.dat",
                             {makeRecord("X"), makeRecord("Y"), makeRecord("Z")});
    answerFileDialog(located);
    w().ui.N3->trigger();
    EXPECT_EQ(dialogFilters, QStringList({"Файл базы (Baza.dat)"}));
    EXPECT_EQ(base.boxes.texts(), QStringList({kLocate, kRestored}));
    EXPECT_EQ(base.dataBytes(), base.folder.readBytes("elsewhere/Baza.dat"));
    EXPECT_EQ(backupBytes(), base.folder.readBytes("elsewhere/Baza.dat"));
    EXPECT_EQ(w().ui.fio->text(), "X");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 3");
}

TEST_F(BackupRestoreTest, RestoreWithoutBackupCancelledChangesNothing) {
    open({makeRecord("A")});
    answerFileDialog(QString());
    w().ui.N3->trigger();
    EXPECT_EQ(base.boxes.texts(), QStringList({kLocate}));
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A")}));
    EXPECT_FALSE(QDir(base.folder.filePath("Копия")).exists());
    w().ui.new_->click(); // the data file is still open
    w().ui.save->click();
    EXPECT_EQ(base.names(), QStringList({"A", ""}));
}

TEST_F(BackupRestoreTest, ClearingEmptiesTheFileAndLeavesOnlyNew) {
    open({makeRecord("A"), makeRecord("B")});
    writeBackup({makeRecord("A")});
    ASSERT_TRUE(QFile::exists(base.folder.filePath("Baza1.dat")));
    w().ui.N5->trigger();
    EXPECT_EQ(base.boxes.texts(ShownBox::Confirmation),
              QStringList({"Вы действительно хотите очистить базу? Восстановить данные будет "
                           "невозможно."}));
    EXPECT_EQ(base.boxes.texts(ShownBox::Message),
              QStringList({"Все записи были успешно удалены"}));
    EXPECT_EQ(QFileInfo(base.dataFile()).size(), 0);
    EXPECT_FALSE(QFile::exists(base.folder.filePath("Baza1.dat")));
    EXPECT_TRUE(QFile::exists(backup()));
    EXPECT_EQ(w().ui.Label10->text(), "0 Kb");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 0");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 0");
    EXPECT_TRUE(w().ui.fio->text().isEmpty());
    EXPECT_EQ(enabledOf(w(), kRecordButtons), QStringList({"new"}));

    w().ui.new_->click();
    w().ui.fio->setText("C");
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("C")}));
}

TEST_F(BackupRestoreTest, ClearingCancelledChangesNothing) {
    open({makeRecord("A"), makeRecord("B")});
    base.boxes.answer = [](const ShownBox&) {
        return false;
    };
    w().ui.N5->trigger();
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(base.boxes.texts(ShownBox::Message), QStringList());
}

TEST_F(BackupRestoreTest, ClearingDuringAnEntryLeavesNewUsable) {
    open({makeRecord("A")});
    w().ui.new_->click();
    w().ui.N5->trigger();
    EXPECT_EQ(enabledOf(w(), kRecordButtons), QStringList({"new"}));
}

TEST_F(BackupRestoreTest, ExitClosesTheFileAndTheRecordsAreThereNextTime) {
    open({makeRecord("A"), makeRecord("B")});
    w().show();
    w().ui.N6->trigger();
    EXPECT_FALSE(w().state().file.isOpen());
    EXPECT_FALSE(w().isVisible());
    base.openWindow();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
}

} // namespace
