// Files of the base that are not what they seem: links out of the base folder, FIFOs and
// devices in a file's place, a base replaced or deleted while open, a base too large to
// count. Nothing outside is written, nothing blocks, nothing goes into a stale file.
#include "store/backup_files.h"
#include "store/data_file.h"
#include "store/data_file_error.h"
#include "store/file_copy.h"
#include "support/blocking_guard.h"
#include "support/data_file_error_text.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

class BaseFilesSafety : public ::testing::Test {
protected:
    BaseFilesSafety() { QDir(folder.path()).mkdir("outside"); }
    QString path(const QString& name) const { return folder.filePath(name); }
    bool link(const QString& target, const QString& name) const {
        return QFile::link(target, path(name));
    }
    QStringList entries(const QString& name = ".") const {
        return QDir(path(name))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    TestFolder folder;
};

TEST_F(BaseFilesSafety, ACopyReplacesALinkAtTheTargetAndNeverWritesThroughIt) {
    folder.writeBytes("Baza.dat", "the base");
    folder.writeBytes("outside/.bashrc", "the user's shell");
    ASSERT_TRUE(link(path("outside/.bashrc"), "Baza1.dat"));
    EXPECT_FALSE(store::replaceWithCopy(path("Baza.dat"), path("Baza1.dat")));
    EXPECT_EQ(folder.readBytes("outside/.bashrc"), "the user's shell");
    EXPECT_FALSE(QFileInfo(path("Baza1.dat")).isSymLink());
    EXPECT_EQ(folder.readBytes("Baza1.dat"), "the base");

    // A link that names nothing yet: nothing is made where it points.
    QFile::remove(path("Baza1.dat"));
    ASSERT_TRUE(link(path("outside/made-by-us"), "Baza1.dat"));
    EXPECT_FALSE(store::replaceWithCopy(path("Baza.dat"), path("Baza1.dat")));
    EXPECT_EQ(entries("outside"), QStringList{".bashrc"});
    EXPECT_EQ(folder.readBytes("Baza1.dat"), "the base");
}

TEST_F(BaseFilesSafety, AFifoOrDeviceIsNeverCopiedFrom) {
    QDir(folder.path()).mkdir("Копия");
    ASSERT_TRUE(makeFifo(path("Копия/Baza.dat").toLocal8Bit().constData()));
    folder.writeBytes("Baza.dat", "kept");
    // A restore from a FIFO backup used to wait for a writer for ever.
    ASSERT_TRUE(returnsWithoutBlocking([&] { store::restoreFromBackup(folder.path()); }));
    EXPECT_TRUE(store::restoreFromBackup(folder.path()));
    EXPECT_EQ(folder.readBytes("Baza.dat"), "kept");

    // A link to a device reads without end: refused before a byte is read.
    ASSERT_TRUE(link("/dev/zero", "zero.dat"));
    ASSERT_TRUE(returnsWithoutBlocking(
        [&] { store::replaceWithCopy(path("zero.dat"), path("copy.dat")); }, 3));
    EXPECT_TRUE(store::replaceWithCopy(path("zero.dat"), path("copy.dat")));
    EXPECT_FALSE(QFile::exists(path("copy.dat")));
    EXPECT_EQ(entries().filter(".kalmo-copy"), QStringList());
}

TEST_F(BaseFilesSafety, ABaseThatIsAFifoOrADeviceIsRefused) {
    ASSERT_TRUE(makeFifo(path("Baza.dat").toLocal8Bit().constData()));
    store::DataFile file;
    file.bind(path("Baza.dat"));
    EXPECT_TRUE(dataFileErrorText([&] { file.openExisting(); }).contains("канал или устройство"));
    EXPECT_FALSE(file.isOpen());

    QFile::remove(path("Baza.dat"));
    ASSERT_TRUE(link("/dev/null", "Baza.dat"));
    EXPECT_TRUE(dataFileErrorText([&] { file.openExisting(); }).contains("канал или устройство"));
    EXPECT_FALSE(file.isOpen());
}

TEST_F(BaseFilesSafety, CreatingTheBaseDoesNotFollowALinkThatNamesNothing) {
    ASSERT_TRUE(link(path("outside/new.dat"), "Baza.dat"));
    store::DataFile file;
    file.bind(path("Baza.dat"));
    EXPECT_FALSE(dataFileErrorText([&] { file.create(); }).isEmpty());
    EXPECT_EQ(entries("outside"), QStringList());
}

TEST_F(BaseFilesSafety, ABaseReplacedOnDiskIsNeverWrittenAgain) {
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B")});
    store::DataFile file;
    file.bind(path("Baza.dat"));
    file.openExisting();
    // A sync tool puts a new file in its place, as tools do: written aside, renamed over.
    folder.writeRecords("new.dat", {makeRecord("Z")});
    ASSERT_EQ(std::rename(path("new.dat").toLocal8Bit().constData(),
                          path("Baza.dat").toLocal8Bit().constData()),
              0);
    const QString replaced = dataFileErrorText([&] {
        file.seek(2);
        file.write(makeRecord("C"));
    });
    EXPECT_TRUE(replaced.contains("заменён другой программой")) << replaced.toStdString();
    EXPECT_TRUE(dataFileErrorText([&] {
                    file.seek(1);
                    file.cut();
                }).contains("заменён другой программой"));
    EXPECT_EQ(folder.readBytes("Baza.dat").size(), 511); // the new base, untouched
    EXPECT_EQ(file.count(), 2);                          // the old file, too

    // Deleted outright.
    store::DataFile other;
    other.bind(path("Baza.dat"));
    other.openExisting();
    QFile::remove(path("Baza.dat"));
    EXPECT_TRUE(dataFileErrorText([&] {
                    other.seek(0);
                    other.write(makeRecord("C"));
                }).contains("удалён другой программой"));
    EXPECT_FALSE(QFile::exists(path("Baza.dat")));
}

TEST_F(BaseFilesSafety, ABaseOfMoreRecordsThanACountHoldsIsRefused) {
    // A sparse file of 2^31 records: one more than a signed 32-bit count names.
    folder.writeBytes("Baza.dat", QByteArray());
    ASSERT_EQ(::truncate(path("Baza.dat").toLocal8Bit().constData(), off_t(511) << 31), 0);
    store::DataFile file;
    file.bind(path("Baza.dat"));
    file.openExisting();
    EXPECT_TRUE(dataFileErrorText([&] { file.count(); }).contains("слишком велика"));

    // One record less is counted, and nothing makes it one more.
    ASSERT_EQ(::truncate(path("Baza.dat").toLocal8Bit().constData(), (off_t(511) << 31) - 511), 0);
    EXPECT_EQ(file.count(), 2147483647);
    EXPECT_TRUE(dataFileErrorText([&] {
                    file.seek(2147483647);
                    file.write(makeRecord("one too many"));
                }).contains("слишком велика"));
    EXPECT_EQ(QFileInfo(path("Baza.dat")).size(), (qint64(511) << 31) - 511);
}

} // namespace
