// Reopening a workbook the server saved itself: served from memory while the file is
// unchanged, read from the file otherwise, and never changed by what happens after the save.
#include "report/spreadsheet/application_object.h"
#include "report/spreadsheet/workbook_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using automation::ObjectPtr;
using automation::Variant;

namespace {

// A width of 30.3 characters is stored as 217 pixels, which read back as 30.29: what
// Open gives tells whether it came from memory or from the file.
const QString kWidth = QStringLiteral("30.3");
const QString kWidthFromFile = QStringLiteral("30.29");

struct Saved {
    QTemporaryDir dir;
    QString path = dir.filePath("book.xls");
    ObjectPtr writer = spreadsheet::createApplication();

    Saved() {
        writer->object("Workbooks")->call("Add");
        writer->object("Range", {"A1"})->put("Value", "saved");
        writer->object("Columns", {1})->put("ColumnWidth", kWidth);
        writer->object("ActiveWorkbook")->call("SaveAs", {path});
    }

    // Opens the file in a new instance: the width of column A and the text of A1.
    std::pair<QString, QString> reopen() const {
        ObjectPtr reader = spreadsheet::createApplication();
        reader->object("Workbooks")->call("Open", {path});
        return {reader->object("Columns", {1})->get("ColumnWidth").toString(),
                reader->object("Range", {"A1"})->get("Value").toString()};
    }
};

TEST(SavedWorkbooks, AnUnchangedFileIsServedFromMemoryOnce) {
    Saved s;
    s.writer->call("Quit");
    EXPECT_EQ(s.reopen(), std::make_pair(kWidth, QStringLiteral("saved")));
    // Taken by the first reopening: the next one reads the file.
    EXPECT_EQ(s.reopen(), std::make_pair(kWidthFromFile, QStringLiteral("saved")));
}

TEST(SavedWorkbooks, ChangesAfterTheSaveDoNotReachTheReopenedWorkbook) {
    Saved s;
    s.writer->object("Range", {"A1"})->put("Value", "changed after saving");
    s.writer->object("Columns", {1})->put("ColumnWidth", 10);
    EXPECT_EQ(s.reopen(), std::make_pair(kWidth, QStringLiteral("saved")));
    // The writer keeps its own changes.
    EXPECT_EQ(s.writer->object("Range", {"A1"})->get("Value").toString(), "changed after saving");
}

TEST(SavedWorkbooks, AChangedOrReplacedFileIsReadFromTheFile) {
    {
        // Rewritten with the same bytes: its times change.
        Saved s;
        QFile file(s.path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QByteArray bytes = file.readAll();
        file.seek(0);
        file.write(bytes);
        file.close();
        EXPECT_EQ(s.reopen().first, kWidthFromFile);
    }
    {
        // Replaced by another workbook under the same name.
        Saved s;
        spreadsheet::Workbook other;
        other.sheets.emplace_back().name = "Other";
        other.sheets[0].setText(0, 0, QStringLiteral("other"));
        spreadsheet::saveWorkbook(other, s.path + ".new");
        ASSERT_TRUE(QFile::remove(s.path));
        ASSERT_TRUE(QFile::rename(s.path + ".new", s.path));
        EXPECT_EQ(s.reopen(), std::make_pair(QStringLiteral("8.43"), QStringLiteral("other")));
    }
    {
        // Saved again elsewhere: only the last save is remembered.
        Saved s;
        s.writer->object("ActiveWorkbook")->call("SaveAs", {s.dir.filePath("copy.xls")});
        EXPECT_EQ(s.reopen().first, kWidthFromFile);
    }
}

} // namespace
