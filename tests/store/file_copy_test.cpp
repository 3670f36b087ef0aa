#include "store/file_copy.h"
#include "store/write_fault.h"
#include "support/record_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using record_fixture::readFile;
using record_fixture::writeFile;

namespace {

class FileCopyTest : public ::testing::Test {
protected:
    void TearDown() override { write_fault::failNthWrite(0, 0); }
    QStringList filesInDir() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir dir;
};

TEST_F(FileCopyTest, ReplacesTheTargetWithAnExactCopy) {
    // Larger than one copy block, with bytes of every value.
    QByteArray bytes;
    for (int k = 0; k < (3 << 20) + 5; ++k)
        bytes.append(char(k * 31));
    writeFile(dir.filePath("from"), bytes);
    writeFile(dir.filePath("to"), "old and longer than nothing");
    EXPECT_FALSE(ReplaceWithCopy(dir.filePath("from"), dir.filePath("to")));
    EXPECT_EQ(readFile(dir.filePath("to")), bytes);
    EXPECT_EQ(filesInDir(), QStringList({"from", "to"}));
}

TEST_F(FileCopyTest, AFailedCopyLeavesTheTargetAsItWas) {
    writeFile(dir.filePath("from"), "new");
    writeFile(dir.filePath("to"), "old");
    write_fault::failNthWrite(1, ENOSPC);
    EXPECT_EQ(ReplaceWithCopy(dir.filePath("from"), dir.filePath("to")),
              std::error_code(ENOSPC, std::generic_category()));
    EXPECT_EQ(readFile(dir.filePath("to")), "old");
    EXPECT_EQ(filesInDir(), QStringList({"from", "to"}));
}

TEST_F(FileCopyTest, MissingOrFolderSourceIsAnErrorAndTouchesNothing) {
    writeFile(dir.filePath("to"), "old");
    EXPECT_EQ(ReplaceWithCopy(dir.filePath("missing"), dir.filePath("to")).value(), ENOENT);
    QDir(dir.path()).mkdir("folder");
    EXPECT_EQ(ReplaceWithCopy(dir.filePath("folder"), dir.filePath("to")).value(), EISDIR);
    EXPECT_EQ(readFile(dir.filePath("to")), "old");
}

TEST_F(FileCopyTest, CopyOntoItselfKeepsTheFile) {
    writeFile(dir.filePath("same"), "content");
    EXPECT_FALSE(ReplaceWithCopy(dir.filePath("same"), dir.filePath("same")));
    EXPECT_EQ(readFile(dir.filePath("same")), "content");
}

} // namespace
