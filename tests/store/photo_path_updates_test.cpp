#include "store/data_file_error.h"
#include "store/photo_path_updates.h"
#include "store/record_order.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

using namespace record_fixture;

namespace {

QString pathFor(const ContactRecord& record) {
    return "/img/" + record.field(ContactField::FullName) + ".jpg";
}

// Records whose bytes after each text are not zero, as a file written by other means
// may hold them; an update writes them fresh.
QList<ContactRecord> storedRecords(int count) {
    QList<ContactRecord> records;
    for (int k = 0; k < count; ++k) {
        ContactRecord r;
        r.bytes().fill(0x5A);
        r.store(ContactField::FullName, QString("Имя %1").arg(k));
        r.store(ContactField::Address, QString("Адрес %1").arg(k));
        r.store(ContactField::Telephone, QString());
        r.store(ContactField::Workplace, "W");
        r.store(ContactField::Email, "e@x");
        r.store(ContactField::PhotoPath, "/old/" + QString::number(k));
        records << r;
    }
    return records;
}

QByteArray afterRefresh(const TestFolder& folder, const QList<ContactRecord>& records, int onShow,
                        bool literally) {
    folder.writeBytes("refresh.dat", fileBytes(records));
    DataFile file;
    file.bind(folder.filePath("refresh.dat"));
    file.openExisting();
    ContactRecord shown = records[onShow];
    shown.store(ContactField::Telephone, "typed"); // unsaved text in the window
    shown = withPhotoPath(shown, pathFor(shown));
    const int count = file.count();
    ContactRecord top;
    if (literally) {
        moveChangedRecordToEnd(file, onShow, shown);
        for (int k = 1; k < count; ++k) {
            file.seek(0);
            file.read(top);
            moveChangedRecordToEnd(file, 0, withPhotoPath(top, pathFor(top)));
        }
    } else {
        applyPhotoPathUpdates(file, onShow, shown, pathFor);
        file.seek(0);
        file.read(top);
        // With one record the caller's update is the first: it writes the window's record.
        moveChangedRecordToEnd(file, 0, count == 1 ? shown : withPhotoPath(top, pathFor(top)));
    }
    file.close();
    return folder.readBytes("refresh.dat");
}

} // namespace

TEST(PhotoPathRefresh, LeavesTheFileAsTheLiteralUpdatesDo) {
    TestFolder folder;
    for (int count = 1; count <= 6; ++count) {
        const QList<ContactRecord> records = storedRecords(count);
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
    EXPECT_EQ(bytes.size(), 4 * qsizetype(ContactRecord::kSize));
    ContactRecord first;
    std::copy_n(bytes.constData(), ContactRecord::kSize, first.bytes().begin());
    EXPECT_EQ(first.field(ContactField::PhotoPath), "/img/Имя 2.jpg");
    EXPECT_EQ(first.field(ContactField::Telephone), "typed");
}

TEST(PhotoPathRefresh, RefusesAnIndexOutsideTheFile) {
    TestFolder folder;
    folder.writeBytes("b.dat", fileBytes(storedRecords(2)));
    DataFile file;
    file.bind(folder.filePath("b.dat"));
    file.openExisting();
    EXPECT_THROW(applyPhotoPathUpdates(file, 2, ContactRecord(), pathFor), DataFileError);
    EXPECT_THROW(applyPhotoPathUpdates(file, -1, ContactRecord(), pathFor), DataFileError);
    EXPECT_EQ(file.count(), 2);
}

// Large bases go through in blocks: around each block boundary the file must hold the
// record left for the caller, the window's record, then every other record re-pointed,
// and nothing of the appended copy after them.
TEST(PhotoPathRefresh, LargeBasesComeOutWholeAcrossBlocks) {
    TestFolder folder;
    for (const int count :
         {kRecordsPerBlock - 1, kRecordsPerBlock, kRecordsPerBlock + 1, 2 * kRecordsPerBlock + 7}) {
        const QList<ContactRecord> records = storedRecords(count);
        for (const int onShow : {0, count / 2, count - 1}) {
            folder.writeBytes("big.dat", fileBytes(records));
            DataFile file;
            file.bind(folder.filePath("big.dat"));
            file.openExisting();
            const ContactRecord shown = withPhotoPath(records[onShow], "/img/shown.jpg");
            applyPhotoPathUpdates(file, onShow, shown, pathFor);
            file.close();

            const int waiting = onShow == count - 1 ? count - 2 : count - 1;
            QList<ContactRecord> expected{records[waiting], shown};
            for (int k = 0; k < count; ++k) {
                if (k != onShow && k != waiting)
                    expected << withPhotoPath(records[k], pathFor(records[k]));
            }
            EXPECT_TRUE(folder.readBytes("big.dat") == fileBytes(expected))
                << count << " records, " << onShow << " on show";
        }
    }
}

// The update copies the texts byte for byte: it must give what storing each text as read
// gives, for every byte value and for length bytes past a field's capacity.
TEST(PhotoPathRefresh, UpdatedRecordsHoldTheirTextsAsReadAndStored) {
    for (int seed = 0; seed < 64; ++seed) {
        ContactRecord damaged;
        for (std::size_t i = 0; i < ContactRecord::kSize; ++i)
            damaged.bytes()[i] = static_cast<unsigned char>((i * 37 + seed * 101) % 256);
        damaged.bytes()[ContactRecord::offset(ContactField::Address)] = 200; // past 50
        damaged.bytes()[ContactRecord::offset(ContactField::Email)] =
            static_cast<unsigned char>(seed);
        ContactRecord expected;
        for (ContactField field : kTextFields)
            expected.store(field, damaged.field(field));
        expected.store(ContactField::PhotoPath, "/img/новый.jpg");
        EXPECT_TRUE(withPhotoPath(damaged, "/img/новый.jpg").bytes() == expected.bytes()) << seed;
    }
}
