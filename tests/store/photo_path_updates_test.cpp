#include "store/data_file_error.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/photo_path_updates.h"
#include "store/record_order.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>

using namespace record_fixture;

namespace {

QString pathFor(const store::ContactRecord& record) {
    return "/img/" + record.field(store::ContactField::FullName) + ".jpg";
}

// The record a literal update stores: its texts as read, stored into a fresh record, and
// the photo path.
store::ContactRecord storedAgain(const store::ContactRecord& record, const QString& photoPath) {
    store::ContactRecord fresh;
    for (store::ContactField field : store::kTextFields)
        fresh.store(field, record.field(field));
    fresh.store(store::ContactField::PhotoPath, photoPath);
    return fresh;
}

// Sets the whole photo-path field, as the update of a refresh must.
void setPath(store::ContactRecord& record) {
    const int at = store::ContactRecord::offset(store::ContactField::PhotoPath);
    std::fill(record.bytes().begin() + at, record.bytes().end(), 0);
    record.store(store::ContactField::PhotoPath, pathFor(record));
}

// Records whose bytes after each text are not zero, as a file written by other means
// may hold them; an update writes them fresh.
QList<store::ContactRecord> storedRecords(int count) {
    QList<store::ContactRecord> records;
    for (int k = 0; k < count; ++k) {
        store::ContactRecord r;
        r.bytes().fill(0x5A);
        r.store(store::ContactField::FullName, QString("Имя %1").arg(k));
        r.store(store::ContactField::Address, QString("Адрес %1").arg(k));
        r.store(store::ContactField::Telephone, QString());
        r.store(store::ContactField::Workplace, "W");
        r.store(store::ContactField::Email, "e@x");
        r.store(store::ContactField::PhotoPath, "/old/" + QString::number(k));
        records << r;
    }
    return records;
}

QByteArray afterRefresh(const TestFolder& folder, const QList<store::ContactRecord>& records,
                        int onShow, bool literally) {
    folder.writeBytes("refresh.dat", fileBytes(records));
    store::DataFile file;
    file.bind(folder.filePath("refresh.dat"));
    file.openExisting();
    store::ContactRecord shown = records[onShow];
    shown.store(store::ContactField::Telephone, "typed"); // unsaved text in the window
    shown = storedAgain(shown, pathFor(shown));
    const int count = file.count();
    if (literally) {
        store::ContactRecord top;
        store::moveChangedRecordToEnd(file, onShow, shown);
        for (int k = 1; k < count; ++k) {
            file.seek(0);
            file.read(top);
            store::moveChangedRecordToEnd(file, 0, storedAgain(top, pathFor(top)));
        }
    } else {
        store::applyPhotoPathUpdates(file, onShow, shown, setPath);
    }
    file.close();
    return folder.readBytes("refresh.dat");
}

} // namespace

TEST(PhotoPathRefresh, LeavesTheFileAsTheLiteralUpdatesDo) {
    TestFolder folder;
    for (int count = 1; count <= 6; ++count) {
        const QList<store::ContactRecord> records = storedRecords(count);
        for (int onShow = 0; onShow < count; ++onShow) {
            const QByteArray literal = afterRefresh(folder, records, onShow, true);
            const QByteArray fast = afterRefresh(folder, records, onShow, false);
            EXPECT_EQ(fast, literal) << count << " records, " << onShow << " on show";
        }
    }
}

TEST(PhotoPathRefresh, PutsTheRecordOnShowFirstAndRepointsEveryPath) {
    TestFolder folder;
    const QByteArray bytes = afterRefresh(folder, storedRecords(4), 2, false);
    EXPECT_EQ(namesIn(bytes), QStringList({"Имя 2", "Имя 0", "Имя 1", "Имя 3"}));
    EXPECT_EQ(bytes.size(), 4 * qsizetype(store::ContactRecord::kSize));
    store::ContactRecord first;
    std::copy_n(bytes.constData(), store::ContactRecord::kSize, first.bytes().begin());
    EXPECT_EQ(first.field(store::ContactField::PhotoPath), "/img/Имя 2.jpg");
    EXPECT_EQ(first.field(store::ContactField::Telephone), "typed");
}

TEST(PhotoPathRefresh, RefusesAnIndexOutsideTheFile) {
    TestFolder folder;
    folder.writeBytes("b.dat", fileBytes(storedRecords(2)));
    store::DataFile file;
    file.bind(folder.filePath("b.dat"));
    file.openExisting();
    EXPECT_THROW(store::applyPhotoPathUpdates(file, 2, store::ContactRecord(), setPath),
                 store::DataFileError);
    EXPECT_THROW(store::applyPhotoPathUpdates(file, -1, store::ContactRecord(), setPath),
                 store::DataFileError);
    EXPECT_EQ(file.count(), 2);
}

// A full disk at any file change of the refresh leaves the base exactly as it was, however
// large, and nothing beside it: nothing is written twice. Only the flush of the folder
// comes after the rename, with the change made.
TEST(PhotoPathRefresh, AFailureAtAnyFileChangeLeavesTheBaseAsItWas) {
    TestFolder folder;
    const QList<store::ContactRecord> records = storedRecords(5000); // several mebibytes
    const QByteArray before = fileBytes(records);
    int failures = 0;
    for (int n = 1;; ++n) {
        folder.writeBytes("big.dat", before);
        store::DataFile file;
        file.bind(folder.filePath("big.dat"));
        file.openExisting();
        int seen = 0;
        bool renamed = false;
        store::setFileChangeHook([&](const store::FileChange& change) {
            if (++seen == n)
                return ENOSPC;
            renamed = renamed || change.kind == store::FileChangeKind::Rename;
            return 0;
        });
        try {
            store::applyPhotoPathUpdates(file, 1, records[1], setPath);
        } catch (const store::DataFileError& error) {
            store::setFileChangeHook({});
            EXPECT_EQ(error.text(), "Disk full");
            EXPECT_EQ(folder.readBytes("big.dat") == before, !renamed) << "change " << n;
            const QStringList beside = QDir(folder.path())
                                           .entryList({store::kTemporaryPrefix + '*', "*-journal"},
                                                      QDir::AllEntries | QDir::Hidden);
            EXPECT_TRUE(beside.isEmpty()) << "change " << n;
            ++failures;
            continue;
        }
        store::setFileChangeHook({});
        EXPECT_EQ(namesIn(folder.readBytes("big.dat")).size(), 5000);
        break;
    }
    // The new file created, written and flushed, renamed, the folder flushed.
    EXPECT_EQ(failures, 5);
}

// The update copies the texts byte for byte: it must give what storing each text as read
// gives, for every byte value and for length bytes past a field's capacity.
TEST(PhotoPathRefresh, UpdatedRecordsHoldTheirTextsAsReadAndStored) {
    QList<store::ContactRecord> damaged;
    for (int seed = 0; seed < 64; ++seed) {
        store::ContactRecord record;
        for (std::size_t i = 0; i < store::ContactRecord::kSize; ++i)
            record.bytes()[i] = static_cast<unsigned char>((i * 37 + seed * 101) % 256);
        record.bytes()[store::ContactRecord::offset(store::ContactField::Address)] = 200; // past 50
        record.bytes()[store::ContactRecord::offset(store::ContactField::Email)] =
            static_cast<unsigned char>(seed);
        damaged << record;
    }
    TestFolder folder;
    folder.writeBytes("d.dat", fileBytes(damaged));
    store::DataFile file;
    file.bind(folder.filePath("d.dat"));
    file.openExisting();
    const QString last = store::applyPhotoPathUpdates(file, 0, damaged[0], setPath);
    file.close();
    const QByteArray bytes = folder.readBytes("d.dat");
    ASSERT_EQ(bytes.size(), 64 * qsizetype(store::ContactRecord::kSize));
    for (int k = 1; k < 64; ++k) {
        const store::ContactRecord expected = storedAgain(damaged[k], pathFor(damaged[k]));
        EXPECT_EQ(bytes.mid(k * 511, 511), fileBytes({expected})) << k;
    }
    EXPECT_EQ(last, pathFor(damaged[63]));
}
