#include "store/data_file.h"

#include "store/data_file_error.h"
#include "store/data_file_texts.h"
#include "support/data_file_error_text.h"
#include "support/small_file_system.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>

TEST(DataFile, CountsWholeRecordsOnly) {
    TestFolder folder;
    folder.writeBytes("Baza.dat", QByteArray(1100, 'x'));
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.openExisting();
    EXPECT_EQ(file.count(), 2);

    folder.writeBytes("Baza.dat", QByteArray(1022, 'x'));
    EXPECT_EQ(file.count(), 2);
    folder.writeBytes("Baza.dat", QByteArray(510, 'x'));
    EXPECT_EQ(file.count(), 0);
}

TEST(DataFile, ReadsRecordsInOrderAndStopsAtTheEnd) {
    TestFolder folder;
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B")});
    // A trailing partial record is never read.
    QFile::resize(folder.filePath("Baza.dat"), 2 * 511 + 78);
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.openExisting();

    store::ContactRecord record;
    file.read(record);
    EXPECT_EQ(record.field(store::ContactField::FullName), "A");
    file.read(record);
    EXPECT_EQ(record.field(store::ContactField::FullName), "B");
    EXPECT_EQ(file.position(), 2);
    EXPECT_TRUE(file.atEnd());

    const store::ContactRecord before = record;
    EXPECT_EQ(dataFileErrorText([&] { file.read(record); }), "Read beyond end of file");
    EXPECT_EQ(record.bytes(), before.bytes());
    EXPECT_EQ(file.position(), 2);
}

TEST(DataFile, WritesAppendAtTheEndAndOverwriteInside) {
    TestFolder folder;
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.create();
    file.write(makeRecord("A"));
    file.write(makeRecord("B"));
    file.seek(file.count());
    file.write(makeRecord("C"));
    EXPECT_EQ(file.count(), 3);
    file.seek(1);
    file.write(makeRecord("B2"));
    file.close();

    const QByteArray bytes = folder.readBytes("Baza.dat");
    ASSERT_EQ(bytes.size(), 3 * 511);
    EXPECT_EQ(bytes.mid(0 * 511, 2), QByteArray("\x01"
                                                "A"));
    EXPECT_EQ(bytes.mid(1 * 511, 3), QByteArray("\x02"
                                                "B2"));
    EXPECT_EQ(bytes.mid(2 * 511, 2), QByteArray("\x01"
                                                "C"));
}

TEST(DataFile, CutLeavesExactlyTheRecordsBeforeThePosition) {
    TestFolder folder;
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B"), makeRecord("C")});
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.openExisting();
    file.seek(1);
    file.cut();
    EXPECT_EQ(file.count(), 1);
    EXPECT_EQ(QFileInfo(folder.filePath("Baza.dat")).size(), 511);
    file.seek(0);
    file.cut();
    EXPECT_EQ(file.count(), 0);
}

TEST(DataFile, CreateCutsAnExistingFileToZero) {
    TestFolder folder;
    folder.writeRecords("Baza.dat", {makeRecord("A")});
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.create();
    EXPECT_EQ(file.count(), 0);
    EXPECT_EQ(QFileInfo(folder.filePath("Baza.dat")).size(), 0);
}

TEST(DataFile, FailuresCarryTheRuntimeTexts) {
    TestFolder folder;
    store::DataFile file;
    file.bind(folder.filePath("missing.dat"));
    EXPECT_EQ(dataFileErrorText([&] { file.openExisting(); }), "File not found");
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(dataFileErrorText([&] { file.count(); }), "I/O error 103");

    QDir(folder.path()).mkdir("folder.dat");
    file.bind(folder.filePath("folder.dat"));
    EXPECT_EQ(dataFileErrorText([&] { file.openExisting(); }), "File access denied");

    EXPECT_EQ(store::DataFileError::fromErrno(ENOSPC).text(), "Disk full");
    EXPECT_EQ(store::DataFileError::fromErrno(EIO).text(), QString("I/O error %1").arg(EIO));
}

TEST(DataFile, CountsEveryChangeSoCallersNoticeWrites) {
    TestFolder folder;
    store::DataFile file;
    file.bind(folder.filePath("Baza.dat"));
    file.create();
    const auto afterCreate = file.modificationCount();
    file.write(makeRecord("A"));
    EXPECT_GT(file.modificationCount(), afterCreate);
    const auto afterWrite = file.modificationCount();
    store::ContactRecord record;
    file.seek(0);
    file.read(record);
    EXPECT_EQ(file.modificationCount(), afterWrite);
    file.seek(0);
    file.cut();
    EXPECT_GT(file.modificationCount(), afterWrite);
}

TEST(DataFile, ABaseOnAReadOnlyFileSystemOpensForReadingOnly) {
    SmallFileSystem disk("64k");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    QFile base(disk.filePath("Baza.dat"));
    ASSERT_TRUE(base.open(QIODevice::WriteOnly));
    base.write(reinterpret_cast<const char*>(makeRecord("A").bytes().data()), 511);
    base.close();
    if (!disk.makeReadOnly())
        GTEST_SKIP() << "the test file system cannot be made read-only here";

    store::DataFile file;
    file.bind(disk.filePath("Baza.dat"));
    file.openExisting();
    EXPECT_TRUE(file.isReadOnly());
    store::ContactRecord record;
    file.read(record);
    EXPECT_EQ(record.field(store::ContactField::FullName), "A");
    const QString refused = store::readOnlyText(disk.filePath("Baza.dat"));
    EXPECT_EQ(dataFileErrorText([&] { file.write(record); }), refused);
    EXPECT_EQ(dataFileErrorText([&] {
                  file.seek(0);
                  file.cut();
              }),
              refused);
    EXPECT_EQ(file.count(), 1);
}
