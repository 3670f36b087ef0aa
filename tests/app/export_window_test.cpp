// The export window: each format of the list written and read back, a file per contact,
// the file name following the format, and the errors that keep the window open.
#include "app/export_window.h"
#include "interchange/contact_file.h"
#include "platform/message_box_recorder.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "support/import_base.h"
#include "support/modal_script.h"
#include "support/record_fixture.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

using app::ExportWindow;
using platform::ShownBox;

namespace {

class ExportWindowTest : public ::testing::Test {
protected:
    ExportWindowTest() {
        base.open({makeRecord(QStringLiteral("Иванов Иван"), QStringLiteral("Москва"),
                              QStringLiteral("+7 900 111")),
                   makeRecord(QStringLiteral("Петрова Ольга"), "", "", QStringLiteral("Завод"),
                              "olga@example.org")});
    }
    // Runs the export as the user would: format, place, "Экспортировать".
    void exportTo(ExportWindow::Choice choice, const QString& path, bool perContact = false) {
        window.ui.formatBox->setCurrentIndex(choice);
        window.ui.targetBox->setCurrentIndex(perContact ? 1 : 0);
        window.ui.pathEdit->setText(path);
        window.ui.exportButton->click();
    }
    QStringList namesReadBack(const QString& path) const {
        QStringList names;
        for (const interchange::Contact& contact : interchange::readContactFile(path).contacts)
            names << contact.fullName;
        return names;
    }

    ImportBase base;
    platform::MessageBoxRecorder boxes;
    ExportWindow window{base.file};
    const QStringList kNames{QStringLiteral("Иванов Иван"), QStringLiteral("Петрова Ольга")};
};

TEST_F(ExportWindowTest, EveryFormatWritesAFileThatReadsBackWithItsMarks) {
    struct Case {
        ExportWindow::Choice choice;
        const char* name;
        QByteArray mark; // bytes the format's file must hold
    };
    const QList<Case> cases = {
        {ExportWindow::VCard30, "v30.vcf", "VERSION:3.0\r\n"},
        {ExportWindow::VCard21Utf8, "v21u.vcf", "CHARSET=UTF-8"},
        {ExportWindow::VCard21CodePage1251, "v21w.vcf", "CHARSET=windows-1251"},
        {ExportWindow::VCard40, "v40.vcf", "VERSION:4.0\r\n"},
        // "Иванов Иван" in code page 1251, and the Excel separator.
        {ExportWindow::CsvExcel, "excel.csv", "\xc8\xe2\xe0\xed\xee\xe2 \xc8\xe2\xe0\xed;"},
        {ExportWindow::CsvUtf8, "utf8.csv", QStringLiteral("Иванов Иван,").toUtf8()},
    };
    for (const Case& c : cases) {
        const QString path = base.folder.filePath(c.name);
        exportTo(c.choice, path);
        const QByteArray bytes = readWholeFile(path);
        EXPECT_TRUE(bytes.contains(c.mark)) << c.name;
        EXPECT_EQ(namesReadBack(path), kNames) << c.name;
    }
    EXPECT_EQ(boxes.texts(ShownBox::Error), QStringList());
    ASSERT_EQ(boxes.texts(ShownBox::Message).size(), cases.size());
    EXPECT_EQ(
        boxes.texts(ShownBox::Message)[0],
        QStringLiteral("Записано контактов: 2 в файл «%1».").arg(base.folder.filePath("v30.vcf")));
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(ExportWindowTest, AFilePerContactGoesIntoTheFolderAndOnlyForVCards) {
    EXPECT_EQ(window.ui.pathEdit->text(), QDir::home().filePath(QStringLiteral("Контакты.vcf")));
    EXPECT_EQ(window.format().kind, interchange::ExportFormat::Kind::VCard); // the default
    EXPECT_EQ(window.format().version, interchange::VCardVersion::V30);
    const QString folder = base.folder.filePath("cards");
    exportTo(ExportWindow::VCard40, folder, true);
    EXPECT_EQ(window.ui.pathLabel->text(), QStringLiteral("Папка"));
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, (QStringList{QStringLiteral("Иванов Иван.vcf"),
                                  QStringLiteral("Петрова Ольга.vcf")}));
    EXPECT_TRUE(readWholeFile(QDir(folder).filePath(files.value(0))).contains("VERSION:4.0"));
    EXPECT_EQ(boxes.texts(ShownBox::Message),
              QStringList{QStringLiteral("Записано контактов: 2 в папку «%1».").arg(folder)});

    // CSV is one table: the choice of a file per contact goes away while it is chosen.
    window.ui.formatBox->setCurrentIndex(ExportWindow::CsvExcel);
    EXPECT_FALSE(window.ui.targetBox->isEnabled());
    EXPECT_FALSE(window.filePerContact());
    EXPECT_EQ(window.ui.pathLabel->text(), QStringLiteral("Файл"));
    window.ui.formatBox->setCurrentIndex(ExportWindow::VCard30);
    EXPECT_TRUE(window.ui.targetBox->isEnabled());
    EXPECT_TRUE(window.filePerContact());
}

TEST_F(ExportWindowTest, TheFileNameFollowsTheFormat) {
    window.ui.pathEdit->setText("/tmp/Контакты.vcf");
    window.ui.formatBox->setCurrentIndex(ExportWindow::CsvUtf8);
    EXPECT_EQ(window.ui.pathEdit->text(), "/tmp/Контакты.csv");
    window.ui.formatBox->setCurrentIndex(ExportWindow::VCard21Utf8);
    EXPECT_EQ(window.ui.pathEdit->text(), "/tmp/Контакты.vcf");
    // A name of another kind is the user's own.
    window.ui.pathEdit->setText("/tmp/list.txt");
    window.ui.formatBox->setCurrentIndex(ExportWindow::CsvExcel);
    EXPECT_EQ(window.ui.pathEdit->text(), "/tmp/list.txt");
}

TEST_F(ExportWindowTest, FailuresAreSaidInRussianAndKeepTheWindowOpen) {
    exportTo(ExportWindow::VCard30, "  ");
    exportTo(ExportWindow::VCard30, base.folder.path());
    const QString unwritable = base.folder.filePath("missing/sub/out.vcf");
    exportTo(ExportWindow::VCard30, unwritable);
    const QStringList errors = boxes.texts(ShownBox::Error);
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors[0], QStringLiteral("Укажите файл, в который записать контакты."));
    EXPECT_EQ(errors[1],
              QStringLiteral("«%1» — это папка. Укажите имя файла.").arg(base.folder.path()));
    EXPECT_TRUE(
        errors[2].startsWith(QStringLiteral("Не удалось записать файл «%1»: ").arg(unwritable)))
        << errors[2].toStdString();
    EXPECT_FALSE(QFile::exists(unwritable));

    // An existing file is replaced only after a yes.
    base.folder.writeBytes("old.vcf", "old");
    boxes.answer = [](const ShownBox&) {
        return false;
    };
    exportTo(ExportWindow::VCard30, base.folder.filePath("old.vcf"));
    EXPECT_EQ(base.folder.readBytes("old.vcf"), "old");
    EXPECT_EQ(boxes.texts(ShownBox::Message), QStringList());
    EXPECT_NE(window.result(), QDialog::Accepted);
}

TEST(ExportWindowMenu, TheMenuItemOpensTheWindowAndCancelWritesNothing) {
    record_fixture::WindowFixture f;
    f.writeDataFile({makeRecord("A")});
    TForm1& form = f.openWindow();
    ModalScript script;
    script.then([](QWidget* modal) {
        auto* window = qobject_cast<ExportWindow*>(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Экспорт контактов"));
        window->ui.cancelButton->click();
    });
    form.ui.N17->trigger();
    EXPECT_EQ(script.seen.size(), 1);
    EXPECT_EQ(f.boxes.boxes.size(), 0);
    EXPECT_EQ(QDir(f.folder.path()).entryList({"*.vcf", "*.csv"}, QDir::Files), QStringList());
}

} // namespace
