#include "store/data_file.h"
#include "store/data_file_error.h"
#include "store/record_order.h"
#include "store/write_fault.h"
#include "support/record_fixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using namespace record_fixture;

namespace {

class RecordOrderTest : public ::testing::Test {
protected:
    void SetUp() override { path = dir.filePath("Baza.dat"); }
    void TearDown() override { write_fault::failNthWrite(0, 0); }

    // Writes the records and opens the file on them.
    void open(const QList<ContactRecord>& records) {
        if (file.isOpen())
            file.close();
        writeFile(path, fileBytes(records));
        file.bind(path);
        file.openExisting();
    }

    static QList<ContactRecord> numbered(int count) {
        QList<ContactRecord> records;
        for (int k = 0; k < count; ++k)
            records << record(QString("Запись %1").arg(k), QString("адрес %1").arg(k * 7));
        return records;
    }

    QTemporaryDir dir;
    QString path;
    DataFile file;
};

TEST_F(RecordOrderTest, AppendAddsTheRecordAtTheEndWhereverThePositionWas) {
    open({record("А"), record("Б")});
    file.seek(0);
    AppendRecord(file, record("В"));
    EXPECT_EQ(readFile(path), fileBytes({record("А"), record("Б"), record("В")}));
}

TEST_F(RecordOrderTest, RemoveMovesLaterRecordsUpAndShortensTheFile) {
    open({record("A"), record("B"), record("C")});
    RemoveRecordAt(file, 1);
    EXPECT_EQ(readFile(path), fileBytes({record("A"), record("C")}));
    EXPECT_EQ(file.position(), 2);

    RemoveRecordAt(file, 1); // the last record
    EXPECT_EQ(readFile(path), fileBytes({record("A")}));
    RemoveRecordAt(file, 0); // the only record
    EXPECT_EQ(readFile(path).size(), 0);
}

TEST_F(RecordOrderTest, RemoveOutsideTheFileChangesNothing) {
    open({record("A")});
    EXPECT_THROW(RemoveRecordAt(file, 1), DataFileError);
    EXPECT_THROW(RemoveRecordAt(file, -1), DataFileError);
    EXPECT_EQ(readFile(path), fileBytes({record("A")}));
}

TEST_F(RecordOrderTest, RemoveAcrossSeveralBlocksGivesTheSameBytesAsOneRecordAtATime) {
    // 5,000 records span three blocks of the tail move.
    QList<ContactRecord> records = numbered(5000);
    open(records);
    RemoveRecordAt(file, 3);
    records.removeAt(3);
    EXPECT_EQ(readFile(path), fileBytes(records));
}

TEST_F(RecordOrderTest, RemoveKeepsATrailingPieceOutOfTheMove) {
    // A piece shorter than a record is not a record: it is cut away with the last one.
    writeFile(path, fileBytes({record("A"), record("B")}) + QByteArray(78, 'x'));
    file.bind(path);
    file.openExisting();
    RemoveRecordAt(file, 0);
    EXPECT_EQ(readFile(path), fileBytes({record("B")}));
}

TEST_F(RecordOrderTest, ChangedRecordMovesToTheEnd) {
    open({record("A"), record("B"), record("C")});
    MoveChangedRecordToEnd(file, 1, record("B2", "новый адрес"));
    EXPECT_EQ(readFile(path), fileBytes({record("A"), record("C"), record("B2", "новый адрес")}));

    open({record("A")});
    MoveChangedRecordToEnd(file, 0, record("A2"));
    EXPECT_EQ(readFile(path), fileBytes({record("A2")}));
}

// Interrupts the change at every write step in turn: whatever step fails, the changed
// contact is in the file in its old or its new version, and no other contact is lost.
void expectNoStepLosesARecord(DataFile& file, const QString& path,
                              const QList<ContactRecord>& records, int index,
                              const std::function<void(const QList<ContactRecord>&)>& open) {
    const ContactRecord changed = record("Изменённая", "новый адрес");
    int failures = 0;
    for (int step = 1;; ++step) {
        open(records);
        write_fault::failNthWrite(step, ENOSPC);
        try {
            MoveChangedRecordToEnd(file, index, changed);
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.text(), "Disk full");
            ++failures;
            const QByteArray bytes = readFile(path);
            auto holds = [&bytes](const ContactRecord& r) {
                for (qsizetype at = 0; at + 511 <= bytes.size(); at += 511) {
                    if (std::equal(r.bytes().begin(), r.bytes().end(), bytes.constData() + at,
                                   [](unsigned char a, char b) { return a == (unsigned char)b; }))
                        return true;
                }
                return false;
            };
            EXPECT_TRUE(holds(records[index]) || holds(changed)) << "step " << step;
            for (int k = 0; k < records.size(); ++k) {
                if (k != index) {
                    EXPECT_TRUE(holds(records[k])) << "record " << k << " lost at step " << step;
                }
            }
            continue;
        }
        write_fault::failNthWrite(0, 0);
        // The step count ran past the operation's writes: it completed.
        QList<ContactRecord> expected = records;
        expected.removeAt(index);
        expected << changed;
        EXPECT_EQ(readFile(path), fileBytes(expected));
        break;
    }
    EXPECT_GE(failures, 3); // append, at least one block move, cut
}

TEST_F(RecordOrderTest, ChangeInterruptedAtAnyStepKeepsEveryContact) {
    auto reopen = [this](const QList<ContactRecord>& records) {
        open(records);
    };
    expectNoStepLosesARecord(file, path, {record("A"), record("B"), record("C")}, 1, reopen);
    // A tail of three blocks: five write steps.
    expectNoStepLosesARecord(file, path, numbered(5000), 0, reopen);
}

TEST_F(RecordOrderTest, ChangeFailingOnTheAppendLeavesTheFileAsItWas) {
    open({record("A"), record("B")});
    write_fault::failNthWrite(1, ENOSPC);
    EXPECT_THROW(MoveChangedRecordToEnd(file, 0, record("A2")), DataFileError);
    EXPECT_EQ(readFile(path), fileBytes({record("A"), record("B")}));
}

} // namespace
