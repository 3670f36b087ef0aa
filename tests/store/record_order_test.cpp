#include "store/data_file.h"
#include "store/data_file_error.h"
#include "store/record_order.h"
#include "store/rollback_journal.h"
#include "store/write_fault.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>

using namespace record_fixture;

namespace {

class RecordOrderTest : public ::testing::Test {
protected:
    void SetUp() override { path = folder.filePath("Baza.dat"); }
    void TearDown() override { store::failNthWrite(0, 0); }

    // Writes the records and opens the file on them.
    void open(const QList<store::ContactRecord>& records) {
        if (file.isOpen())
            file.close();
        folder.writeBytes("Baza.dat", fileBytes(records));
        file.bind(path);
        file.openExisting();
    }

    static QList<store::ContactRecord> numbered(int count) {
        QList<store::ContactRecord> records;
        for (int k = 0; k < count; ++k)
            records << makeRecord(QString("Запись %1").arg(k), QString("адрес %1").arg(k * 7));
        return records;
    }

    // Fails the change at every write step in turn: whatever step fails, the file is
    // exactly as it was and no journal is left; past the last step it is as changed.
    // Fails each write of the change of record `index` in turn; `writes` is how many
    // there are at least.
    void expectEveryStepAllOrNothing(const QList<store::ContactRecord>& records, int index,
                                     int writes);

    TestFolder folder;
    QString path;
    store::DataFile file;
};

TEST_F(RecordOrderTest, AppendAddsTheRecordAtTheEndWhereverThePositionWas) {
    open({makeRecord("А"), makeRecord("Б")});
    file.seek(0);
    store::appendRecord(file, makeRecord("В"));
    EXPECT_EQ(folder.readBytes("Baza.dat"),
              fileBytes({makeRecord("А"), makeRecord("Б"), makeRecord("В")}));
}

TEST_F(RecordOrderTest, RemoveMovesLaterRecordsUpAndShortensTheFile) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    store::RemoveRecordAt(file, 1);
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("A"), makeRecord("C")}));
    EXPECT_EQ(file.position(), 2);

    store::RemoveRecordAt(file, 1); // the last record
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("A")}));
    store::RemoveRecordAt(file, 0); // the only record
    EXPECT_EQ(folder.readBytes("Baza.dat").size(), 0);
}

TEST_F(RecordOrderTest, RemoveOutsideTheFileChangesNothing) {
    open({makeRecord("A")});
    EXPECT_THROW(store::RemoveRecordAt(file, 1), store::DataFileError);
    EXPECT_THROW(store::RemoveRecordAt(file, -1), store::DataFileError);
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("A")}));
}

TEST_F(RecordOrderTest, RemoveFromALargeFileGivesTheSameBytesAsOneRecordAtATime) {
    // 5,000 records: a tail of several mebibytes.
    QList<store::ContactRecord> records = numbered(5000);
    open(records);
    store::RemoveRecordAt(file, 3);
    records.removeAt(3);
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes(records));
}

TEST_F(RecordOrderTest, RemoveKeepsATrailingPieceOutOfTheMove) {
    // A piece shorter than a record is not a record: it is cut away with the last one.
    folder.writeBytes("Baza.dat",
                      fileBytes({makeRecord("A"), makeRecord("B")}) + QByteArray(78, 'x'));
    file.bind(path);
    file.openExisting();
    store::RemoveRecordAt(file, 0);
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("B")}));
}

TEST_F(RecordOrderTest, ChangedRecordMovesToTheEnd) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    store::moveChangedRecordToEnd(file, 1, makeRecord("B2", "новый адрес"));
    EXPECT_EQ(folder.readBytes("Baza.dat"),
              fileBytes({makeRecord("A"), makeRecord("C"), makeRecord("B2", "новый адрес")}));

    open({makeRecord("A")});
    store::moveChangedRecordToEnd(file, 0, makeRecord("A2"));
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("A2")}));
}

void RecordOrderTest::expectEveryStepAllOrNothing(const QList<store::ContactRecord>& records,
                                                  int index, int writes) {
    const store::ContactRecord changed = makeRecord("Изменённая", "новый адрес");
    int failures = 0;
    for (int step = 1;; ++step) {
        open(records);
        store::failNthWrite(step, ENOSPC);
        try {
            store::moveChangedRecordToEnd(file, index, changed);
        } catch (const store::DataFileError& error) {
            EXPECT_EQ(error.text(), "Disk full");
            ++failures;
            EXPECT_TRUE(folder.readBytes("Baza.dat") == fileBytes(records)) << "step " << step;
            EXPECT_FALSE(QFile::exists(store::journalPath(path))) << "step " << step;
            continue;
        }
        store::failNthWrite(0, 0);
        // The step count ran past the operation's writes: it completed.
        QList<store::ContactRecord> expected = records;
        expected.removeAt(index);
        expected << changed;
        EXPECT_TRUE(folder.readBytes("Baza.dat") == fileBytes(expected));
        break;
    }
    EXPECT_GE(failures, writes);
}

TEST_F(RecordOrderTest, ChangeFailingAtAnyStepLeavesTheFileExactlyAsItWas) {
    const QList<store::ContactRecord> four = {makeRecord("A"), makeRecord("B"), makeRecord("C"),
                                              makeRecord("D")};
    // In the second half, through the journal: its blocks and header, the moved record, the
    // changed one.
    expectEveryStepAllOrNothing(four, 2, 4);
    // A tail of over a mebibyte: the journal takes several blocks.
    expectEveryStepAllOrNothing(numbered(5000), 2600, 5);
    // In the first half, through a new file: the records before, the moved ones, the
    // changed one; before the change, records of more than one block.
    expectEveryStepAllOrNothing(four, 1, 3);
    expectEveryStepAllOrNothing(numbered(5000), 0, 2);
    expectEveryStepAllOrNothing(numbered(5000), 2049, 4);
}

TEST_F(RecordOrderTest, ChangeFailingOnTheAppendLeavesTheFileAsItWas) {
    open({makeRecord("A"), makeRecord("B")});
    store::failNthWrite(1, ENOSPC);
    EXPECT_THROW(store::moveChangedRecordToEnd(file, 0, makeRecord("A2")), store::DataFileError);
    EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes({makeRecord("A"), makeRecord("B")}));
}

} // namespace
