#include "interchange/contact_export.h"
#include "interchange/contact_import.h"
#include "interchange/csv_mapping.h"
#include "interchange/vcard_reader.h"
#include "photos/photo_files.h"
#include "support/jpeg_fixture.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QDir>

using interchange::ExportFormat;
using record_fixture::fileBytes;
using store::ContactField;

namespace {

// A base with photos, a second record of the same name, texts that need escaping and
// a record without a photo, exported and imported into an empty base.
class RoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        sourceImages = source.filePath("images");
        targetImages = target.filePath("images");
        QDir().mkpath(sourceImages);
        QDir().mkpath(targetImages);
        const QString first = photos::photoPath(sourceImages, QStringLiteral("Иванов Иван"));
        const QString second = photos::photoPath(sourceImages, QStringLiteral("Иванов Иван"), 2);
        firstPhoto = jpeg_fixture::writeFile(first, {30, 20}, Qt::red);
        secondPhoto = jpeg_fixture::writeFile(second, {20, 30}, Qt::blue);
        records = {
            makeRecord(QStringLiteral("Иванов Иван"), QStringLiteral("Москва, ул. Мира; д. 1"),
                       QStringLiteral("8 (495) 123-45-67"), QStringLiteral("ООО \"Рога, копыта\""),
                       QStringLiteral("ivanov@example.ru"), first),
            makeRecord(QStringLiteral("Иванов Иван"), QString(), QStringLiteral("+7 916"),
                       QString(), QString(), second),
            makeRecord(QStringLiteral("Back\\slash, comma; semi"), QStringLiteral("№ 5 — «дом»"),
                       QString(), QStringLiteral("Ёлка"), QString()),
            makeRecord(QString(50, QChar(0x0416)), QString(50, QLatin1Char('a')))};
        source.writeRecords("Baza.dat", records);
        sourceFile.bind(source.filePath("Baza.dat"));
        sourceFile.openExisting();
        target.writeRecords("Baza.dat", {});
        targetFile.bind(target.filePath("Baza.dat"));
        targetFile.openExisting();
    }

    void importFile(const QByteArray& bytes, bool csv) {
        interchange::ContactList list;
        if (csv) {
            const interchange::CsvTable table = interchange::readCsv(bytes);
            list = interchange::csvContacts(table,
                                            interchange::CsvMapping::fromHeaders(table.headers));
        } else {
            list = interchange::readVCards(bytes);
        }
        QList<interchange::ImportRow> rows = interchange::prepareImport(targetFile, list.contacts);
        const interchange::ImportResult result =
            interchange::importRows(targetFile, targetImages, rows);
        EXPECT_EQ(result.added, records.size());
        EXPECT_EQ(result.cut, 0);
    }

    // The target holds the source's records, field for field, and each photo is a copy of
    // the source's under the target's images folder.
    void expectSameRecords(bool withPhotos) {
        QList<store::ContactRecord> expected;
        for (const store::ContactRecord& record : records) {
            store::ContactRecord copy;
            for (const ContactField field : store::kTextFields)
                copy.store(field, record.field(field));
            const QString photo = record.field(ContactField::PhotoPath);
            if (withPhotos && !photo.isEmpty())
                copy.store(ContactField::PhotoPath,
                           QDir(targetImages).filePath(QFileInfo(photo).fileName()));
            expected.append(copy);
        }
        ASSERT_EQ(targetFile.count(), expected.size());
        for (int32_t i = 0; i < targetFile.count(); ++i) {
            store::ContactRecord stored;
            targetFile.seek(i);
            targetFile.read(stored);
            for (const ContactField field : store::kTextFields)
                EXPECT_EQ(stored.field(field), expected[i].field(field)) << "record " << i;
            EXPECT_EQ(stored.field(ContactField::PhotoPath),
                      expected[i].field(ContactField::PhotoPath))
                << "record " << i;
        }
        if (withPhotos) {
            EXPECT_EQ(readWholeFile(photos::photoPath(targetImages, QStringLiteral("Иванов Иван"))),
                      firstPhoto);
            EXPECT_EQ(
                readWholeFile(photos::photoPath(targetImages, QStringLiteral("Иванов Иван"), 2)),
                secondPhoto);
        } else {
            EXPECT_TRUE(QDir(targetImages).isEmpty());
        }
    }

    TestFolder source;
    TestFolder target;
    QString sourceImages;
    QString targetImages;
    QByteArray firstPhoto;
    QByteArray secondPhoto;
    QList<store::ContactRecord> records;
    store::DataFile sourceFile;
    store::DataFile targetFile;
};

TEST_F(RoundTripTest, VCardsOfEveryVersionGiveTheSameRecordsAndPhotos) {
    const QList<ExportFormat> formats = {
        {ExportFormat::Kind::VCard, interchange::VCardVersion::V30},
        {ExportFormat::Kind::VCard, interchange::VCardVersion::V21,
         interchange::Charset21::CodePage1251},
        {ExportFormat::Kind::VCard, interchange::VCardVersion::V21, interchange::Charset21::Utf8},
        {ExportFormat::Kind::VCard, interchange::VCardVersion::V40}};
    for (const ExportFormat& format : formats) {
        SCOPED_TRACE(int(format.version) * 10 + int(format.charset));
        const QString path = source.filePath("out.vcf");
        EXPECT_EQ(interchange::exportBase(sourceFile, path, format), records.size());
        target.writeRecords("Baza.dat", {});
        QDir(targetImages).removeRecursively();
        QDir().mkpath(targetImages);
        importFile(readWholeFile(path), false);
        expectSameRecords(true);
    }
}

TEST_F(RoundTripTest, CsvInEitherDialectGivesTheSameTexts) {
    for (const auto dialect :
         {interchange::CsvDialect::CodePage1251, interchange::CsvDialect::Utf8}) {
        SCOPED_TRACE(int(dialect));
        const QString path = source.filePath("out.csv");
        ExportFormat format = interchange::formatForFile(path);
        format.dialect = dialect;
        interchange::exportBase(sourceFile, path, format);
        target.writeRecords("Baza.dat", {});
        importFile(readWholeFile(path), true);
        expectSameRecords(false);
    }
}

TEST_F(RoundTripTest, OneFilePerContactIsNamedAfterTheContact) {
    const QString folder = source.filePath("cards");
    EXPECT_EQ(interchange::exportBaseToFolder(sourceFile, folder, ExportFormat()), 4);
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    const QStringList inBaseOrder = {QStringLiteral("Иванов Иван.vcf"),
                                     QStringLiteral("Иванов Иван (2).vcf"),
                                     QStringLiteral("Back\\slash, comma; semi.vcf"),
                                     QString(50, QChar(0x0416)) + QStringLiteral(".vcf")};
    QStringList sorted = inBaseOrder;
    sorted.sort();
    EXPECT_EQ(names, sorted);
    QByteArray all;
    for (const QString& name : inBaseOrder)
        all += readWholeFile(QDir(folder).filePath(name));
    importFile(all, false);
    expectSameRecords(true);
}

TEST_F(RoundTripTest, ANameWithASlashCannotPlaceACardOutsideTheFolder) {
    sourceFile.close();
    source.writeRecords("Baza.dat", {makeRecord(QStringLiteral("../../escape")), makeRecord("..")});
    sourceFile.openExisting();
    const QString folder = source.filePath("cards");
    interchange::exportBaseToFolder(sourceFile, folder, ExportFormat());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Контакт 1.vcf"), QStringLiteral("Контакт 2.vcf")}));
    EXPECT_FALSE(QFile::exists(source.filePath("escape.vcf")));
}

TEST_F(RoundTripTest, AnUnwritableTargetIsAnErrorInRussian) {
    try {
        interchange::exportBase(sourceFile, source.filePath("no/such/folder/out.vcf"),
                                ExportFormat());
        FAIL() << "no error";
    } catch (const interchange::ExportError& error) {
        EXPECT_TRUE(error.text().startsWith(QStringLiteral("Не удалось записать файл")));
    }
}

} // namespace
