#include "interchange/contact_import.h"
#include "photos/photo_files.h"
#include "store/data_file_error.h"
#include "store/rollback_journal.h"
#include "store/write_fault.h"
#include "support/import_base.h"
#include "support/jpeg_fixture.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>

#include <cerrno>

using interchange::Contact;
using interchange::ImportRow;
using record_fixture::fileBytes;
using store::ContactField;

namespace {

Contact contact(const QString& name, const QString& phone = QString(),
                const QByteArray& photo = QByteArray()) {
    Contact c;
    c.fullName = name;
    c.telephone = phone;
    c.photo = photo;
    return c;
}

QByteArray png(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(QColor(0, 128, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

class ContactImportTest : public ::testing::Test, protected ImportBase {
protected:
    void TearDown() override { store::failNthWrite(0, 0); }

    QStringList imageFiles() const { return QDir(images).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(ContactImportTest, ChosenRowsAreAppendedAndDuplicatesSkipped) {
    const store::ContactRecord existing =
        makeRecord(QStringLiteral("Старый"), "", "8 900 111-22-33");
    open({existing});
    QList<ImportRow> rows = interchange::prepareImport(
        file, {contact(QStringLiteral("Новый")), contact(QStringLiteral("Другой"), "+79001112233"),
               contact(QStringLiteral("Новый"))});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_FALSE(rows[0].duplicate);
    EXPECT_TRUE(rows[1].duplicate);  // the base's phone
    EXPECT_FALSE(rows[2].duplicate); // only the base counts, not the rows before
    EXPECT_FALSE(rows[1].chosen);
    const interchange::ImportResult result = interchange::importRows(file, images, rows);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.skipped, 1);
    EXPECT_EQ(result.cut, 0);
    EXPECT_EQ(folder.readBytes("Baza.dat"),
              fileBytes({existing, makeRecord(QStringLiteral("Новый")),
                         makeRecord(QStringLiteral("Новый"))}));
}

TEST_F(ContactImportTest, ATickedDuplicateIsAddedAndACutRecordCounted) {
    open({makeRecord(QStringLiteral("Двойник"))});
    QList<ImportRow> rows =
        interchange::prepareImport(file, {contact(QStringLiteral("Двойник"), QString(60, '1'))});
    ASSERT_TRUE(rows[0].duplicate);
    rows[0].chosen = true;
    const interchange::ImportResult result = interchange::importRows(file, images, rows);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(result.cut, 1);
    EXPECT_EQ(file.count(), 2);
}

TEST_F(ContactImportTest, PhotosAreStoredAsJpegNumberedPastTheBasesNames) {
    const QString taken = photos::photoPath(images, QStringLiteral("Фото"));
    open({makeRecord(QStringLiteral("Фото"), "", "", "", "", taken)});
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({12, 10}, Qt::red));
    QList<ImportRow> rows =
        interchange::prepareImport(file, {contact(QStringLiteral("Фото"), "", png({20, 16})),
                                          contact(QStringLiteral("Снимок"), "", jpeg)});
    rows[0].chosen = true;
    interchange::importRows(file, images, rows);
    const QString second = photos::photoPath(images, QStringLiteral("Фото"), 2);
    EXPECT_EQ(rows[0].record.field(ContactField::PhotoPath), second);
    const QByteArray converted = readWholeFile(second);
    EXPECT_TRUE(converted.startsWith("\xFF\xD8\xFF"));
    EXPECT_EQ(QImage::fromData(converted, "JPEG").size(), QSize(20, 16));
    // A JPEG keeps its own bytes.
    const QString snapshot = photos::photoPath(images, QStringLiteral("Снимок"));
    EXPECT_EQ(readWholeFile(snapshot), jpeg);
    EXPECT_EQ(rows[1].record.field(ContactField::PhotoPath), snapshot);
    EXPECT_FALSE(QFile::exists(taken)); // the base's own photo file was not touched
}

TEST_F(ContactImportTest, APhotoNeverLeavesTheImagesFolderWhateverTheName) {
    open({});
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::red));
    QList<ImportRow> rows = interchange::prepareImport(
        file, {contact(QStringLiteral("../Вне папки"), "", jpeg),
               contact(QStringLiteral(".."), "1", jpeg), contact(QString(), "2", jpeg),
               contact(QStringLiteral("Битая"), "3", "not a picture")});
    const interchange::ImportResult result = interchange::importRows(file, images, rows);
    EXPECT_EQ(result.added, 4);
    EXPECT_EQ(result.cut, 4);
    for (const ImportRow& row : rows) {
        EXPECT_TRUE(row.notes.photoDropped);
        EXPECT_TRUE(row.record.field(ContactField::PhotoPath).isEmpty());
    }
    EXPECT_TRUE(imageFiles().isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Baza.dat"});
}

TEST_F(ContactImportTest, WithoutAnImagesFolderTheRecordsComeWithoutPhotos) {
    open({});
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::red));
    QList<ImportRow> rows = interchange::prepareImport(file, {contact("A", "", jpeg)});
    interchange::importRows(file, QString(), rows);
    EXPECT_EQ(file.count(), 1);
    EXPECT_TRUE(rows[0].notes.photoDropped);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Baza.dat"});
}

// A failure at any write of the import leaves the base as it was, with no journal and
// no photo of the import left behind; once the failure comes after the last write, the
// base holds every record.
TEST_F(ContactImportTest, AFailureAtAnyWriteLeavesTheBaseAsBeforeOrWithEverything) {
    const QList<store::ContactRecord> before = {makeRecord("Первый"), makeRecord("Второй")};
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::red));
    const QList<Contact> contacts = {contact("Один", "1", jpeg), contact("Два", "2"),
                                     contact("Три", "3", jpeg)};
    bool completed = false;
    for (int step = 1; step < 100 && !completed; ++step) {
        SCOPED_TRACE(step);
        if (file.isOpen())
            file.close();
        QDir(images).removeRecursively();
        QDir().mkpath(images);
        open(before);
        QList<ImportRow> rows = interchange::prepareImport(file, contacts);
        store::failNthWrite(step, ENOSPC);
        try {
            interchange::importRows(file, images, rows);
            completed = !store::writeFaultArmed();
            store::failNthWrite(0, 0);
            // A photo that could not be copied leaves its record without one; the
            // records themselves are all there.
            EXPECT_EQ(file.count(), 5);
            for (const ImportRow& row : rows) {
                const QString path = row.record.field(ContactField::PhotoPath);
                EXPECT_EQ(path.isEmpty(), row.contact.photo.isEmpty() || row.notes.photoDropped);
                if (!path.isEmpty()) {
                    EXPECT_EQ(readWholeFile(path), jpeg);
                }
            }
        } catch (const store::DataFileError&) {
            store::failNthWrite(0, 0);
            EXPECT_EQ(folder.readBytes("Baza.dat"), fileBytes(before));
            EXPECT_FALSE(QFile::exists(store::journalPath(file.path())));
            EXPECT_TRUE(imageFiles().isEmpty()) << imageFiles().join(", ").toStdString();
        }
    }
    EXPECT_TRUE(completed);
}

} // namespace
