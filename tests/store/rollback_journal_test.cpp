// The rollback journal: its bytes, what a journal found at open puts back, what an
// incomplete one leaves alone, and the order in which a change reaches the disk.
#include "store/data_file.h"
#include "store/data_file_error.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/record_order.h"
#include "store/rollback_journal.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

using namespace record_fixture;

namespace {

uint64_t wordAt(const QByteArray& bytes, int at) {
    uint64_t value = 0;
    for (int k = 0; k < 8; ++k)
        value |= uint64_t(uint8_t(bytes[at + k])) << (8 * k);
    return value;
}

class RollbackJournalTest : public ::testing::Test {
protected:
    void SetUp() override { path = folder.filePath("Baza.dat"); }
    void TearDown() override { store::setFileChangeHook({}); }

    QString journal() const { return store::journalPath(path); }
    QByteArray journalBytes() const { return readWholeFile(journal()); }

    // Opens the base of records А, Б, В, Г as `file`, removes record `index` and lists
    // every file change of it as "<kind> <base|journal|folder|new>", "new" being a new file
    // beside the base. A rename must be onto the base.
    QStringList stepsOfRemovingRecord(store::DataFile& file, int index) {
        folder.writeBytes("Baza.dat", fileBytes({makeRecord("А"), makeRecord("Б"), makeRecord("В"),
                                                 makeRecord("Г")}));
        file.bind(path);
        file.openExisting();
        QStringList steps;
        store::setFileChangeHook([this, &steps](const store::FileChange& change) {
            const QString who = change.path == path            ? "base"
                                : change.path == journal()     ? "journal"
                                : change.path == folder.path() ? "folder"
                                                               : "new";
            static const char* kNames[] = {"create", "write",  "truncate",   "sync",
                                           "rename", "remove", "sync-folder"};
            steps << QString("%1 %2").arg(kNames[int(change.kind)], who);
            if (change.kind == store::FileChangeKind::Rename) {
                EXPECT_EQ(change.target, path);
            }
            return 0;
        });
        store::RemoveRecordAt(file, index);
        store::setFileChangeHook({});
        return steps;
    }

    // Writes a journal for the file as it is, saving the bytes from `from` on.
    void journalFrom(int64_t from) {
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR);
        ASSERT_GE(fd, 0);
        store::writeJournal(fd, path, from);
        ::close(fd);
    }
    // Opens the base as the program does at start and returns what it then holds.
    QByteArray openedBase() {
        store::DataFile file;
        file.bind(path);
        file.openExisting();
        file.close();
        return folder.readBytes("Baza.dat");
    }

    TestFolder folder;
    QString path;
};

TEST_F(RollbackJournalTest, HoldsTheSizeAndTheBytesFromTheOffsetOnBehindAHeader) {
    const QByteArray base = fileBytes({makeRecord("А"), makeRecord("Б")}) + QByteArray(78, 'x');
    folder.writeBytes("Baza.dat", base);
    journalFrom(511);
    const QByteArray bytes = journalBytes();
    EXPECT_EQ(journal(), folder.filePath("Baza.dat-journal"));
    ASSERT_EQ(bytes.size(), store::kJournalHeaderSize + 511 + 78);
    EXPECT_EQ(bytes.left(8), "KALMOJR1");
    EXPECT_EQ(wordAt(bytes, 8), uint64_t(base.size())); // the size, trailing piece and all
    EXPECT_EQ(wordAt(bytes, 16), 511u);                 // where the saved bytes go back
    EXPECT_EQ(wordAt(bytes, 24), uint64_t(511 + 78));   // how many
    EXPECT_EQ(bytes.mid(store::kJournalHeaderSize), base.mid(511));
    EXPECT_EQ(folder.readBytes("Baza.dat"), base); // the file itself is not touched
}

// Whatever the change did to the file after the journal was on the disk (grew it, cut it,
// overwrote it), opening the base puts it back exactly and removes the journal.
TEST_F(RollbackJournalTest, OpeningTheBasePutsBackExactlyWhatTheJournalSaved) {
    const QByteArray base =
        fileBytes({makeRecord("А"), makeRecord("Б"), makeRecord("В")}) + QByteArray(78, 'x');
    const QList<std::pair<int64_t, QByteArray>> damage = {
        {511, fileBytes({makeRecord("А"), makeRecord("В"), makeRecord("Г"), makeRecord("Д")})},
        {0, QByteArray()},
        {0, QByteArray(300, 'z')},
        {1533, base.left(1533) + fileBytes({makeRecord("Е")})},
    };
    for (const auto& [from, after] : damage) {
        folder.writeBytes("Baza.dat", base);
        journalFrom(from);
        folder.writeBytes("Baza.dat", after);
        EXPECT_TRUE(openedBase() == base) << from;
        EXPECT_FALSE(QFile::exists(journal()));
    }
}

TEST_F(RollbackJournalTest, ABaseWithoutAJournalOpensAsItIs) {
    const QByteArray base = fileBytes({makeRecord("А")}) + QByteArray(7, 'x');
    folder.writeBytes("Baza.dat", base);
    EXPECT_TRUE(openedBase() == base);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Baza.dat"}));
}

// A journal cut short at any sector, or damaged anywhere, was still being written when
// the change stopped, so the file was never touched: the journal goes and nothing else.
TEST_F(RollbackJournalTest, AnIncompleteOrDamagedJournalIsRemovedAndTheFileLeftAlone) {
    QList<store::ContactRecord> records;
    for (int k = 0; k < 6; ++k)
        records << makeRecord(QString("Запись %1").arg(k));
    folder.writeBytes("Baza.dat", fileBytes(records));
    journalFrom(0);
    const QByteArray complete = journalBytes();
    const QByteArray changed = fileBytes({makeRecord("другая")});
    QList<QByteArray> broken;
    for (qsizetype cut = 0; cut < complete.size(); cut += 512)
        broken << complete.left(cut);
    broken << complete.chopped(1);
    for (const int at : {0, 9, 20, 30, 35, 44, 48, 1000, int(complete.size()) - 1}) {
        QByteArray flipped = complete;
        flipped[at] = char(flipped[at] ^ 0x10);
        broken << flipped;
    }
    for (const QByteArray& journalContent : broken) {
        folder.writeBytes("Baza.dat", changed);
        folder.writeBytes("Baza.dat-journal", journalContent);
        EXPECT_TRUE(openedBase() == changed) << journalContent.size();
        EXPECT_FALSE(QFile::exists(journal()));
    }
}

TEST_F(RollbackJournalTest, ALinkInPlaceOfTheJournalIsRemovedNotFollowed) {
    folder.writeBytes("Baza.dat", fileBytes({makeRecord("А")}));
    journalFrom(0);
    const QByteArray valid = journalBytes();
    QFile::rename(journal(), folder.filePath("elsewhere"));
    ASSERT_TRUE(QFile::link(folder.filePath("elsewhere"), journal()));
    folder.writeBytes("Baza.dat", QByteArray());
    EXPECT_TRUE(openedBase().isEmpty()); // not played back through the link
    EXPECT_FALSE(QFileInfo(journal()).isSymLink());
    EXPECT_EQ(folder.readBytes("elsewhere"), valid);
}

TEST_F(RollbackJournalTest, ANewBaseRemovesAJournalLeftWithoutItsFile) {
    folder.writeBytes("Baza.dat", fileBytes({makeRecord("А")}));
    journalFrom(0);
    QFile::remove(path);
    store::DataFile file;
    file.bind(path);
    file.create();
    EXPECT_EQ(file.count(), 0);
    file.close();
    EXPECT_FALSE(QFile::exists(journal()));
    EXPECT_TRUE(folder.readBytes("Baza.dat").isEmpty());
}

// The order that makes a change all or nothing: the journal and its name reach the disk
// before the file is written, the file reaches the disk before the journal goes, and the
// removal is flushed before the change counts as done.
TEST_F(RollbackJournalTest, AChangeFlushesTheJournalBeforeTheFileAndTheFileBeforeTheCommit) {
    // A change in the second half of the file: the journal holds less than a new file would.
    store::DataFile file;
    const QStringList steps = stepsOfRemovingRecord(file, 2);
    EXPECT_EQ(steps,
              QStringList({"create journal", "write journal", "write journal", "sync journal",
                           "sync-folder folder", "write base", "truncate base", "sync base",
                           "remove journal", "sync-folder folder"}));
    EXPECT_EQ(namesIn(folder.readBytes("Baza.dat")), QStringList({"А", "Б", "Г"}));
}

// A change in the first half of the file copies less into a new file than the journal
// would hold: the new file reaches the disk, takes the base's name, and the name is flushed.
TEST_F(RollbackJournalTest, AChangeNearTheStartWritesANewFileAndRenamesIt) {
    store::DataFile file;
    const QStringList steps = stepsOfRemovingRecord(file, 1);
    EXPECT_EQ(steps, QStringList({"create new", "write new", "write new", "sync new", "rename new",
                                  "sync-folder folder"}));
    EXPECT_EQ(namesIn(folder.readBytes("Baza.dat")), QStringList({"А", "В", "Г"}));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Baza.dat"}));
    // The file the base is now is the one the program holds.
    EXPECT_NO_THROW(file.verifyIdentity());
    store::appendRecord(file, makeRecord("Д"));
    EXPECT_EQ(namesIn(folder.readBytes("Baza.dat")), QStringList({"А", "В", "Г", "Д"}));
}

// An error at any step of a change (the journal, the file, the flushes) leaves the file
// exactly as it was, reports the error, and lets the next change go through.
TEST_F(RollbackJournalTest, AFailureAtAnyStepLeavesTheFileAsItWas) {
    const QByteArray base =
        fileBytes({makeRecord("А"), makeRecord("Б"), makeRecord("В"), makeRecord("Г")});
    int failures = 0;
    for (int step = 1;; ++step) {
        folder.writeBytes("Baza.dat", base);
        store::DataFile file;
        file.bind(path);
        file.openExisting();
        int seen = 0;
        bool lastStep = false;
        store::setFileChangeHook([&](const store::FileChange& change) {
            if (++seen != step)
                return 0;
            lastStep =
                change.kind == store::FileChangeKind::SyncFolder && !QFile::exists(journal());
            return EIO;
        });
        bool failed = false;
        try {
            store::moveChangedRecordToEnd(file, 2, makeRecord("В2"));
        } catch (const store::DataFileError& error) {
            failed = true;
            EXPECT_EQ(error.text(), "I/O error 5");
        }
        store::setFileChangeHook({});
        if (seen < step)
            break; // past the last step
        EXPECT_TRUE(failed) << "step " << step;
        ++failures;
        EXPECT_FALSE(QFile::exists(journal())) << "step " << step;
        if (lastStep) {
            // The flush after the commit: the change is made, but said to be uncertain.
            EXPECT_EQ(namesIn(folder.readBytes("Baza.dat")), QStringList({"А", "Б", "Г", "В2"}));
            continue;
        }
        EXPECT_TRUE(folder.readBytes("Baza.dat") == base) << "step " << step;
        store::appendRecord(file, makeRecord("Д"));
        EXPECT_EQ(namesIn(folder.readBytes("Baza.dat")), QStringList({"А", "Б", "В", "Г", "Д"}));
    }
    EXPECT_EQ(failures, 11); // every step of the change, see the test above
}

TEST_F(RollbackJournalTest, StaleTemporariesOfOurNamingGoAtStartAndNothingElse) {
    folder.writeBytes(".kalmo-copy-Ab12Cd", "half a copy");
    folder.writeBytes(".kalmo-report-x1Y2z3.xls", "half a report");
    folder.writeBytes("Baza.dat", "keep");
    folder.writeBytes(".kalmo", "keep");
    folder.writeBytes("kalmo-copy-1", "keep");
    folder.writeBytes("target", "keep");
    QDir(folder.path()).mkpath(".kalmo-folder");
    QDir(folder.path()).mkpath("Копия");
    folder.writeBytes("Копия/.kalmo-copy-QQ", "half a backup");
    ASSERT_TRUE(QFile::link(folder.filePath("target"), folder.filePath(".kalmo-copy-link")));
    store::removeStaleTemporariesIn(folder.path());
    store::removeStaleTemporariesIn(folder.filePath("Копия"));
    EXPECT_EQ(
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        QStringList({".kalmo", ".kalmo-folder", "Baza.dat", "kalmo-copy-1", "target", "Копия"}));
    EXPECT_TRUE(QDir(folder.filePath("Копия"))
                    .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_EQ(folder.readBytes("target"), "keep");
}

} // namespace
