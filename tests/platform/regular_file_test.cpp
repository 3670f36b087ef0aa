#include "platform/regular_file.h"
#include "support/blocking_guard.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using platform::RegularFile;

TEST(RegularFile, OpensOnlyRegularFilesAndSaysWhatElseItMet) {
    TestFolder folder;
    folder.writeBytes("plain", "bytes");
    ASSERT_TRUE(QFile::link(folder.filePath("plain"), folder.filePath("link")));
    ASSERT_TRUE(makeFifo(folder.filePath("fifo").toLocal8Bit().constData()));
    ASSERT_TRUE(QFile::link("/dev/zero", folder.filePath("device")));
    QDir(folder.path()).mkdir("folder");

    for (const char* name : {"plain", "link"}) {
        const RegularFile file(folder.filePath(name), RegularFile::Access::ReadWrite);
        EXPECT_TRUE(file.isOpen()) << name;
        EXPECT_FALSE(file.error()) << name;
    }
    for (const char* name : {"fifo", "device"}) {
        const RegularFile file(folder.filePath(name), RegularFile::Access::Read);
        EXPECT_FALSE(file.isOpen()) << name;
        EXPECT_EQ(file.error(), platform::notRegularFile()) << name;
    }
    EXPECT_EQ(RegularFile(folder.filePath("folder"), RegularFile::Access::Read).error(),
              std::errc::is_a_directory);
    EXPECT_EQ(RegularFile(folder.filePath("missing"), RegularFile::Access::Read).error(),
              std::errc::no_such_file_or_directory);
}

TEST(RegularFile, ReadsUpToTheCap) {
    TestFolder folder;
    folder.writeBytes("ten", "0123456789");
    const RegularFile file(folder.filePath("ten"), RegularFile::Access::Read);
    std::error_code error;
    EXPECT_EQ(file.readAll(10, error), "0123456789");
    EXPECT_FALSE(error);
    EXPECT_TRUE(file.readAll(9, error).isEmpty());
    EXPECT_EQ(error, std::errc::file_too_large);

    folder.writeBytes("empty", QByteArray());
    EXPECT_TRUE(RegularFile(folder.filePath("empty"), RegularFile::Access::Read)
                    .readAll(0, error)
                    .isEmpty());
    EXPECT_FALSE(error);
}

} // namespace
