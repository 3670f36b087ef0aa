// A second, independent reader of Report.xls: Gnumeric's converter, when it is installed,
// reads the values and the formatting back without complaint.
#include "support/report_fixture.h"

#include "app/main_window.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QString convert(const QString& from, const QString& to, const QStringList& options = {}) {
    QProcess converter;
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.start(QStandardPaths::findExecutable("ssconvert"), options + QStringList{from, to});
    converter.waitForFinished(120000);
    return converter.exitCode() == 0 ? QString::fromLocal8Bit(converter.readAll())
                                     : QStringLiteral("failed: ") + converter.readAll();
}

TEST(ReportInGnumeric, ValuesAndFormattingReadBack) {
    if (QStandardPaths::findExecutable("ssconvert").isEmpty())
        GTEST_SKIP() << "Gnumeric is not installed";
    ReportFixture f({{"Иванов Иван", "Москва", "123-45-67", "Завод", "ivan@example.org"},
                     {"Smith John", "", "", "", ""}});
    QTest::mouseClick(f.form1->ui.print, Qt::LeftButton);

    EXPECT_EQ(convert(f.reportPath(), f.path("report.csv")), QString());
    QFile csv(f.path("report.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("\"Отчет был создан ")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "ФИО,Адрес,Телефон,\"Место работы\",E-mail");
    EXPECT_EQ(lines[2], "\"Иванов Иван\",Москва,123-45-67,Завод,ivan@example.org");

    // The program's own uncompressed file format shows what it understood of the styles.
    EXPECT_EQ(convert(f.reportPath(), f.path("report.xml"), {"-T", "Gnumeric_XmlIO:sax:0"}),
              QString());
    QFile xml(f.path("report.xml"));
    ASSERT_TRUE(xml.open(QIODevice::ReadOnly));
    const QString document = QString::fromUtf8(xml.readAll());
    for (const char* expected :
         {"<gnm:Merge>A1:E1</gnm:Merge>", "<gnm:orientation>landscape", "HideGrid=\"1\"",
          "<gnm:top Points=\"25\"", "Back=\"C0C0:C0C0:C0C0\"", "Bold=\"1\"",
          "HAlign=\"GNM_HALIGN_CENTER\"", "<gnm:Name>Данные базы</gnm:Name>"})
        EXPECT_TRUE(document.contains(QString::fromUtf8(expected))) << expected;
}

} // namespace
