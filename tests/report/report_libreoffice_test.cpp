// Report.xls must open in another spreadsheet program: LibreOffice, when it is installed,
// converts it to CSV and PDF without complaint.
#include "support/report_fixture.h"

#include "app/main_window.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct Conversion {
    int exitCode = -1;
    QString output;
};

Conversion convert(const QString& file, const QString& filter, const QString& outDir) {
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(QStandardPaths::findExecutable("libreoffice"),
                 {"-env:UserInstallation=file://" + outDir + "/profile", "--headless",
                  "--convert-to", filter, "--outdir", outDir, file});
    office.waitForFinished(180000);
    return {office.exitCode(), QString::fromLocal8Bit(office.readAll())};
}

TEST(ReportInLibreOffice, ConvertsToCsvAndPdf) {
    if (QStandardPaths::findExecutable("libreoffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    ReportFixture f({{"Иванов Иван", "Москва", "123-45-67", "Завод", "ivan@example.org"},
                     {"Петров Пётр", "Тверь", "007", "01.02.2003", "petr@example.org"},
                     {"Smith, John", "", "", "", ""}});
    QTest::mouseClick(f.form1->ui.print, Qt::LeftButton);
    ASSERT_TRUE(QFile::exists(f.reportPath()));

    const Conversion csv =
        convert(f.reportPath(), "csv:Text - txt - csv (StarCalc):44,34,76", f.folder.path());
    ASSERT_EQ(csv.exitCode, 0) << csv.output.toStdString();
    EXPECT_FALSE(csv.output.contains("Error", Qt::CaseInsensitive)) << csv.output.toStdString();
    QFile text(f.path("Report.csv"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(text.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith("Отчет был создан ")) << lines[0].toStdString();
    EXPECT_EQ(lines[1].trimmed(), "ФИО,Адрес,Телефон,Место работы,E-mail");
    EXPECT_EQ(lines[2].trimmed(), "Иванов Иван,Москва,123-45-67,Завод,ivan@example.org");
    EXPECT_EQ(lines[3].trimmed(), "Петров Пётр,Тверь,007,01.02.2003,petr@example.org");
    EXPECT_EQ(lines[4].trimmed(), "\"Smith, John\",,,,");

    const Conversion pdf = convert(f.reportPath(), "pdf", f.folder.path());
    ASSERT_EQ(pdf.exitCode, 0) << pdf.output.toStdString();
    QFile document(f.path("Report.pdf"));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    EXPECT_TRUE(document.read(5) == "%PDF-");
}

} // namespace
