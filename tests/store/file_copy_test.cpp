#include "store/file_copy.h"
#include "store/write_fault.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

class FileCopyTest : public ::testing::Test {
protected:
    void TearDown() override { store::failNthWrite(0, 0); }
    QStringList filesInDir() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    }

    TestFolder folder;
};

TEST_F(FileCopyTest, ReplacesTheTargetWithAnExactCopy) {
    // Larger than one copy block, with bytes of every value.
    QByteArray bytes;
    for (int k = 0; k < (3 << 20) + 5; ++k)
        bytes.append(char(k * 31));
    folder.writeBytes("from", bytes);
    folder.writeBytes("to", "old and longer than nothing");
    EXPECT_FALSE(store::replaceWithCopy(folder.filePath("from"), folder.filePath("to")));
    EXPECT_EQ(folder.readBytes("to"), bytes);
    EXPECT_EQ(filesInDir(), QStringList({"from", "to"}));
}

TEST_F(FileCopyTest, AFailedCopyLeavesTheTargetAsItWas) {
    folder.writeBytes("from", "new");
    folder.writeBytes("to", "old");
    store::failNthWrite(1, ENOSPC);
    EXPECT_EQ(store::replaceWithCopy(folder.filePath("from"), folder.filePath("to")),
              std::error_code(ENOSPC, std::generic_category()));
    EXPECT_EQ(folder.readBytes("to"), "old");
    EXPECT_EQ(filesInDir(), QStringList({"from", "to"}));
}

TEST_F(FileCopyTest, MissingOrFolderSourceIsAnErrorAndTouchesNothing) {
    folder.writeBytes("to", "old");
    EXPECT_EQ(store::replaceWithCopy(folder.filePath("missing"), folder.filePath("to")).value(),
              ENOENT);
    QDir(folder.path()).mkdir("folder");
    EXPECT_EQ(store::replaceWithCopy(folder.filePath("folder"), folder.filePath("to")).value(),
              EISDIR);
    EXPECT_EQ(folder.readBytes("to"), "old");
}

TEST_F(FileCopyTest, CopyOntoItselfKeepsTheFile) {
    folder.writeBytes("same", "content");
    EXPECT_FALSE(store::replaceWithCopy(folder.filePath("same"), folder.filePath("same")));
    EXPECT_EQ(folder.readBytes("same"), "content");
}

} // namespace
