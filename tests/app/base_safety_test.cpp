// The main window on a base folder that is not as it should be: a link named Baza1.dat,
// a full disk, a read-only folder, a base replaced or deleted by another program while
// the window is open.
#include "support/record_fixture.h"
#include "support/small_file_system.h"

#include "app/base_size_text.h"
#include "platform/base_folder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdio>

using namespace record_fixture;

namespace {

store::ContactRecord record(const QString& name) {
    return makeRecord(name);
}

QStringList hiddenCopies(const QString& folder) {
    return QDir(folder).entryList({".kalmo-copy-*"}, QDir::Files | QDir::Hidden);
}

TEST(BaseSafety, TheSizeCopyReplacesALinkInsteadOfWritingWhereItPoints) {
    WindowFixture base;
    QDir(base.folder.path()).mkdir("home");
    base.folder.writeBytes("home/.bashrc", "echo hello");
    ASSERT_TRUE(
        QFile::link(base.folder.filePath("home/.bashrc"), base.folder.filePath("Baza1.dat")));
    base.writeDataFile({record("A"), record("B")});
    TForm1& window = base.openWindow();
    EXPECT_EQ(base.folder.readBytes("home/.bashrc"), "echo hello");
    EXPECT_FALSE(QFileInfo(base.folder.filePath("Baza1.dat")).isSymLink());
    EXPECT_EQ(base.folder.readBytes("Baza1.dat"), base.dataBytes());
    EXPECT_EQ(window.ui.Label10->text(), app::baseSizeText(2 * 511));

    // A link that names nothing: nothing is made where it points.
    QFile::remove(base.folder.filePath("Baza1.dat"));
    ASSERT_TRUE(QFile::link(base.folder.filePath("home/new"), base.folder.filePath("Baza1.dat")));
    window.ui.next->click();
    EXPECT_EQ(QDir(base.folder.filePath("home")).entryList(QDir::Files | QDir::Hidden),
              QStringList{".bashrc"});
}

TEST(BaseSafety, ASizeCopyThatDoesNotFitLeavesNoPieceBehind) {
    SmallFileSystem disk("256k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    platform::MessageBoxRecorder boxes;
    platform::BaseFolder::set(disk.path());
    QList<store::ContactRecord> records;
    for (int k = 0; k < 100; ++k)
        records << record(QString::number(k));
    QFile data(disk.filePath("Baza.dat"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(fileBytes(records));
    data.close();
    fillUp(disk.path());
    // Room for a piece of the copy, not for all of it.
    ASSERT_TRUE(QFile::resize(disk.filePath("filler"),
                              QFileInfo(disk.filePath("filler")).size() - 20 * 1024));
    TForm1 window;
    EXPECT_EQ(window.ui.fio->text(), "0");
    EXPECT_FALSE(QFile::exists(disk.filePath("Baza1.dat")));
    EXPECT_EQ(hiddenCopies(disk.path()), QStringList());
    EXPECT_EQ(window.ui.Label10->text(), app::baseSizeText(-1));
}

class ReadOnlyBase : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk.mounted())
            GTEST_SKIP() << disk.whyNot();
        platform::BaseFolder::set(disk.path());
        QFile data(disk.filePath("Baza.dat"));
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
        data.write(fileBytes({record("A"), record("B"), record("C")}));
        data.close();
        if (!disk.makeReadOnly())
            GTEST_SKIP() << "the test file system cannot be made read-only here";
    }
    QStringList changeControlsEnabled(const TForm1& window) const {
        QStringList on = enabledOf(window, {"new", "save", "delete", "suiButton2", "suiButton3",
                                            "suiButton4", "suiButton5", "Button1"});
        for (const QAction* action : {window.ui.N3, window.ui.N5, window.ui.N16})
            if (action->isEnabled())
                on << action->objectName();
        return on;
    }

    SmallFileSystem disk{"1m"};
    platform::MessageBoxRecorder boxes;
};

TEST_F(ReadOnlyBase, ShowsTheRecordsSaysSoOnceAndKeepsChangesOff) {
    TForm1 window;
    EXPECT_EQ(window.ui.fio->text(), "A");
    EXPECT_EQ(window.ui.Label7->text(), "Всего записей: 3");
    EXPECT_EQ(window.ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList());
    ASSERT_EQ(boxes.texts(platform::ShownBox::Message).size(), 1);
    EXPECT_TRUE(boxes.texts(platform::ShownBox::Message)[0].contains("только для чтения"));
    EXPECT_EQ(changeControlsEnabled(window), QStringList());
    EXPECT_EQ(enabledOf(window, {"next", "last", "search"}),
              QStringList({"last", "next", "search"}));
    // Reading the records out is no change.
    EXPECT_TRUE(window.ui.N17->isEnabled());

    // Browsing and typing leave them off, and say nothing more.
    window.ui.next->click();
    EXPECT_EQ(window.ui.fio->text(), "B");
    QTest::keyClick(window.ui.fio, Qt::Key_X);
    window.ui.last->click();
    EXPECT_EQ(window.ui.fio->text(), "C");
    EXPECT_EQ(changeControlsEnabled(window), QStringList());
    EXPECT_EQ(boxes.boxes.size(), 1);
}

TEST(BaseSafety, WithoutABaseAndNoWayToMakeOneNothingOffersAChange) {
    SmallFileSystem disk("64k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    if (!disk.makeReadOnly())
        GTEST_SKIP() << "the test file system cannot be made read-only here";
    platform::BaseFolder::set(disk.path());
    platform::MessageBoxRecorder boxes;
    TForm1 window;
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList{"File access denied"});
    EXPECT_EQ(enabledOf(window, kRecordButtons), QStringList());
    QTest::keyClick(window.ui.fio, Qt::Key_X);
    EXPECT_FALSE(window.ui.suiButton2->isEnabled());
    EXPECT_FALSE(window.ui.N5->isEnabled());
    EXPECT_FALSE(window.ui.N16->isEnabled());
    EXPECT_FALSE(window.ui.N17->isEnabled());
    EXPECT_TRUE(window.ui.N3->isEnabled()); // a restore can still bring a base
}

class ChangedUnderneath : public ::testing::Test {
protected:
    ChangedUnderneath() {
        base.writeDataFile({record("A"), record("B")});
        base.openWindow();
    }
    QString lastError() const {
        const QStringList errors = base.boxes.texts(platform::ShownBox::Error);
        return errors.isEmpty() ? QString() : errors.last();
    }

    WindowFixture base;
};

TEST_F(ChangedUnderneath, ABaseReplacedOnDiskIsNotWrittenAndTheUserIsTold) {
    base.folder.writeRecords("synced.dat", {record("Z")});
    ASSERT_EQ(std::rename(base.folder.filePath("synced.dat").toLocal8Bit().constData(),
                          base.dataFile().toLocal8Bit().constData()),
              0);
    const QByteArray replacement = base.dataBytes();

    TForm1& window = base.window();
    QTest::keyClick(window.ui.fio, Qt::Key_X);
    window.ui.suiButton2->click(); // "Изменить"
    EXPECT_TRUE(lastError().contains("заменён другой программой")) << lastError().toStdString();
    window.ui.new_->click();
    window.ui.fio->setText("C");
    window.ui.save->click();
    EXPECT_EQ(base.boxes.texts(platform::ShownBox::Error).size(), 2);
    EXPECT_TRUE(lastError().contains("заменён другой программой"));
    EXPECT_EQ(base.dataBytes(), replacement);
}

TEST_F(ChangedUnderneath, ABaseDeletedOnDiskIsNotWrittenAndTheUserIsTold) {
    QFile::remove(base.dataFile());
    base.window().ui.delete_->click();
    EXPECT_TRUE(lastError().contains("удалён другой программой")) << lastError().toStdString();
    EXPECT_FALSE(QFile::exists(base.dataFile()));
}

} // namespace
