#include "store/data_file.h"
#include "store/data_file_error.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/rollback_journal.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::span<const unsigned char> bytesOf(const QByteArray& bytes) {
    return {reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size())};
}

QByteArray records(const QStringList& names) {
    QByteArray bytes;
    for (const QString& name : names) {
        const store::ContactRecord record = makeRecord(name);
        bytes.append(reinterpret_cast<const char*>(record.bytes().data()),
                     store::ContactRecord::kSize);
    }
    return bytes;
}

struct stat statOf(const QString& path) {
    struct stat info {};
    ::stat(path.toLocal8Bit().constData(), &info);
    return info;
}

ino_t inodeOf(const QString& path) {
    return statOf(path).st_ino;
}

// Files the replacement may leave beside the base: temporary files and journals.
QStringList leftovers(const TestFolder& folder) {
    return QDir(folder.path())
        .entryList({store::kTemporaryPrefix + '*', "*-journal"}, QDir::AllEntries | QDir::Hidden);
}

class WholeFileReplacement : public ::testing::Test {
protected:
    void open(const QByteArray& bytes) {
        folder.writeBytes("Baza.dat", bytes);
        file.bind(folder.filePath("Baza.dat"));
        file.openExisting();
    }
    ~WholeFileReplacement() override { store::setFileChangeHook({}); }

    TestFolder folder;
    store::DataFile file;
    const QByteArray before = records({"Анна", "Борис", "Вера"});
    const QByteArray after = records({"Вера", "Анна"});
};

TEST_F(WholeFileReplacement, ANewFileTakesTheNameKeepingTheModeAndStaysTheOpenBase) {
    open(before);
    ::chmod(file.path().toLocal8Bit().constData(), 0640);
    const ino_t old = inodeOf(file.path());
    QStringList changes;
    store::setFileChangeHook([&](const store::FileChange& change) {
        changes << QString("cwtsrxf"[int(change.kind)]);
        return 0;
    });
    file.replaceWhole(bytesOf(after));
    // Create, write, flush the new file, rename it over the base, flush the folder: no
    // journal and no copy of the old bytes.
    EXPECT_EQ(changes.join(""), "cwsrf");
    EXPECT_EQ(folder.readBytes("Baza.dat"), after);
    EXPECT_NE(inodeOf(file.path()), old);
    EXPECT_EQ(statOf(file.path()).st_mode & 0777, 0640u);
    EXPECT_EQ(file.count(), 2);
    EXPECT_EQ(file.position(), 2);
    EXPECT_TRUE(leftovers(folder).isEmpty());
    // The open file is the one under the name: later changes land in the base.
    EXPECT_NO_THROW(file.verifyIdentity());
    file.seek(0);
    file.write(makeRecord("Галина"));
    file.close();
    EXPECT_EQ(folder.readBytes("Baza.dat").left(511), records({"Галина"}));
}

// A base with a second name or reached through a link is changed in place, through the
// journal: the other name and the link keep seeing the base.
TEST_F(WholeFileReplacement, ABaseOfSeveralNamesOrALinkIsChangedInPlace) {
    for (const bool hardLink : {true, false}) {
        folder.writeBytes("real.dat", before);
        QFile::remove(folder.filePath("Baza.dat"));
        QFile::remove(folder.filePath("other.dat"));
        const QByteArray real = folder.filePath("real.dat").toLocal8Bit();
        const QByteArray base = folder.filePath("Baza.dat").toLocal8Bit();
        ASSERT_EQ(hardLink ? ::link(real, base) : ::symlink(real, base), 0);
        const ino_t old = inodeOf(folder.filePath("real.dat"));
        store::DataFile linked;
        linked.bind(folder.filePath("Baza.dat"));
        linked.openExisting();
        linked.replaceWhole(bytesOf(after));
        EXPECT_EQ(folder.readBytes("real.dat"), after) << hardLink;
        EXPECT_EQ(inodeOf(folder.filePath("real.dat")), old) << hardLink;
        EXPECT_EQ(QFileInfo(folder.filePath("Baza.dat")).isSymLink(), !hardLink);
        EXPECT_NO_THROW(linked.verifyIdentity());
        EXPECT_TRUE(leftovers(folder).isEmpty()) << leftovers(folder).join(", ").toStdString();
        linked.close();
    }
}

// A failure at any change before the rename leaves the base as it was and open, with
// nothing left beside it; a failed flush of the folder after the rename is reported with
// the change made.
TEST_F(WholeFileReplacement, AFailureAtAnyChangeLeavesTheBaseBeforeOrAfterAndNothingBeside) {
    int changes = 0;
    for (int failAt = 1;; ++failAt) {
        open(before);
        int seen = 0;
        bool renamed = false; // the failure comes after the rename
        store::setFileChangeHook([&](const store::FileChange& change) {
            if (++seen != failAt) {
                renamed = renamed || change.kind == store::FileChangeKind::Rename;
                return 0;
            }
            return ENOSPC;
        });
        try {
            file.replaceWhole(bytesOf(after));
        } catch (const store::DataFileError& error) {
            EXPECT_EQ(error.text(), "Disk full") << failAt;
            EXPECT_EQ(renamed, failAt == 5);
            EXPECT_EQ(folder.readBytes("Baza.dat"), renamed ? after : before) << failAt;
            EXPECT_TRUE(leftovers(folder).isEmpty()) << failAt;
            EXPECT_NO_THROW(file.verifyIdentity()) << failAt;
            EXPECT_EQ(file.count(), renamed ? 2 : 3) << failAt;
            store::setFileChangeHook({});
            file.close();
            ++changes;
            continue;
        }
        store::setFileChangeHook({});
        EXPECT_EQ(folder.readBytes("Baza.dat"), after);
        file.close();
        break;
    }
    EXPECT_EQ(changes, 5);
}

} // namespace
