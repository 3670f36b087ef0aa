#include "app/contact_transfer_command.h"
#include "photos/images_folder_setting.h"
#include "store/codec1251.h"
#include "support/jpeg_fixture.h"
#include "support/photo_fixture.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QDir>

using record_fixture::fileBytes;
using record_fixture::namesIn;

namespace {

class ContactTransferCommandTest : public ::testing::Test {
protected:
    std::optional<int> run(const QStringList& arguments) {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        return app::runTransferCommand(arguments, out, err);
    }

    ScopedSettingsFolder settings;
    TestFolder base; // the base folder of the command
    QString output;
    QString errors;
};

TEST_F(ContactTransferCommandTest, OtherArgumentsAreNoCommand) {
    EXPECT_EQ(run({}), std::nullopt);
    EXPECT_EQ(run({"--look", "DeepBlue"}), std::nullopt);
    EXPECT_EQ(run({"file.vcf"}), std::nullopt);
    EXPECT_EQ(run({"--import"}), 2);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Использование: kalmo --import")));
    EXPECT_FALSE(QFile::exists(base.filePath("Baza.dat")));
}

TEST_F(ContactTransferCommandTest, ImportAddsToANewBaseAndSkipsWhatItHoldsTheSecondTime) {
    const QString images = base.filePath("images");
    QDir().mkpath(images);
    photos::saveImagesFolder(images);
    const QByteArray jpeg = jpeg_fixture::encode(jpeg_fixture::markedPicture({8, 8}, Qt::red));
    base.writeBytes(
        "in.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + QStringLiteral("Лебедев Кирилл").toUtf8() +
                      "\r\nTEL:8 900 1\r\nTEL:8 900 2\r\nPHOTO;ENCODING=b;TYPE=JPEG:" +
                      jpeg.toBase64() + "\r\nEND:VCARD\r\n");
    EXPECT_EQ(run({"--import", base.filePath("in.vcf")}), 0);
    EXPECT_EQ(errors, QString());
    EXPECT_TRUE(
        output.contains(QStringLiteral("  Лебедев Кирилл: не сохранены другие телефоны: 1\n")));
    EXPECT_TRUE(output.endsWith(QStringLiteral(
        "Добавлено: 1. Пропущено как возможные дубликаты: 0. Сохранено не полностью: 1.\n")));
    const QString photo = images + QStringLiteral("/Лебедев Кирилл.jpg");
    EXPECT_EQ(base.readBytes("Baza.dat"), fileBytes({makeRecord(QStringLiteral("Лебедев Кирилл"),
                                                                "", "8 900 1", "", "", photo)}));
    EXPECT_EQ(readWholeFile(photo), jpeg);
    EXPECT_EQ(run({"--import", base.filePath("in.vcf")}), 0);
    EXPECT_TRUE(output.endsWith(QStringLiteral(
        "Добавлено: 0. Пропущено как возможные дубликаты: 1. Сохранено не полностью: 0.\n")));
    EXPECT_EQ(namesIn(base.readBytes("Baza.dat")).size(), 1);
}

TEST_F(ContactTransferCommandTest, AFileThatCannotBeReadChangesNothing) {
    base.writeRecords("Baza.dat", {makeRecord("Один")});
    EXPECT_EQ(run({"--import", base.filePath("missing.vcf")}), 1);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Не удалось прочитать файл «")));
    EXPECT_EQ(base.readBytes("Baza.dat"), fileBytes({makeRecord("Один")}));
}

TEST_F(ContactTransferCommandTest, ExportWritesTheFormatTheNameAsksFor) {
    base.writeRecords("Baza.dat",
                      {makeRecord(QStringLiteral("Орлов"), "", "1"), makeRecord("Two")});
    EXPECT_EQ(run({"--export", base.filePath("all.csv")}), 0);
    EXPECT_EQ(
        output,
        QStringLiteral("Записано контактов: 2, в файл «%1».\n").arg(base.filePath("all.csv")));
    EXPECT_EQ(base.readBytes("all.csv"),
              store::encode1251(QStringLiteral("ФИО;Адрес;Телефон;Место работы;E-mail\r\n"
                                               "Орлов;;1;;\r\nTwo;;;;\r\n")));
    EXPECT_EQ(run({"--export", base.filePath("all.vcf")}), 0);
    EXPECT_TRUE(base.readBytes("all.vcf").startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
}

TEST_F(ContactTransferCommandTest, ExportOptionsChooseVersionEncodingAndOneFilePerContact) {
    base.writeRecords("Baza.dat", {makeRecord(QStringLiteral("Орлов")), makeRecord("Two")});
    EXPECT_EQ(
        run({"--export", base.filePath("a.vcf"), "--vcard", "2.1", "--encoding", "windows-1251"}),
        0);
    const QByteArray v21 = base.readBytes("a.vcf");
    EXPECT_TRUE(v21.startsWith("BEGIN:VCARD\r\nVERSION:2.1\r\n"));
    EXPECT_TRUE(v21.contains("CHARSET=windows-1251"));
    EXPECT_TRUE(v21.contains("FN;CHARSET=windows-1251;ENCODING=QUOTED-PRINTABLE:=CE=F0=EB=EE=E2"));
    EXPECT_EQ(run({"--export", base.filePath("b.vcf"), "--vcard", "4.0"}), 0);
    EXPECT_TRUE(base.readBytes("b.vcf").startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
    EXPECT_EQ(run({"--export", base.filePath("c.csv"), "--encoding", "utf-8"}), 0);
    EXPECT_TRUE(base.readBytes("c.csv").contains(QStringLiteral("Орлов,,,,").toUtf8()));
    EXPECT_EQ(run({"--export-each", base.filePath("each")}), 0);
    EXPECT_EQ(QDir(base.filePath("each")).entryList(QDir::Files),
              (QStringList{"Two.vcf", QStringLiteral("Орлов.vcf")}));
    EXPECT_TRUE(output.startsWith(QStringLiteral("Записано контактов: 2, каждый в свой файл")));
}

TEST_F(ContactTransferCommandTest, ExportOptionsNoWriterHasWriteNothing) {
    base.writeRecords("Baza.dat", {makeRecord("One")});
    const QList<QStringList> wrong = {
        {"--export", base.filePath("x.csv"), "--vcard", "2.1"},
        {"--export", base.filePath("x.vcf"), "--vcard", "5.0"},
        {"--export", base.filePath("x.vcf"), "--encoding"},
        {"--export", base.filePath("x.vcf"), "--encoding", "koi8-r"},
        {"--export", base.filePath("x.vcf"), "--encoding", "windows-1251"},
        {"--export-each"},
    };
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run(arguments), 2);
        EXPECT_FALSE(errors.isEmpty());
    }
    run({"--export", base.filePath("x.vcf"), "--encoding", "windows-1251"});
    EXPECT_TRUE(errors.startsWith(QStringLiteral("vCard 3.0 и 4.0 пишутся только в UTF-8")));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Files), QStringList{"Baza.dat"});
}

TEST_F(ContactTransferCommandTest, ExportWithoutABaseSaysSo) {
    EXPECT_EQ(run({"--export", base.filePath("all.vcf")}), 1);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Контакты не выгружены: в папке «")));
    EXPECT_FALSE(QFile::exists(base.filePath("all.vcf")));
    EXPECT_FALSE(QFile::exists(base.filePath("Baza.dat")));
}

} // namespace
