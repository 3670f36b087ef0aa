// The import window: the preview of what the records keep, the encoding switch, the CSV
// column mapping, likely duplicates, the ticks and the import button's state, the
// import's failure and the main window's ways to the window.
#include "app/import_window.h"
#include "interchange/text_encoding.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "store/write_fault.h"
#include "support/import_base.h"
#include "support/modal_script.h"
#include "support/record_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>

using app::ImportWindow;
using platform::ShownBox;
using record_fixture::fileBytes;

namespace {

QByteArray encoded(const char* encoding, const QString& text) {
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

QByteArray card(const QByteArray& body) {
    return "BEGIN:VCARD\r\nVERSION:2.1\r\n" + body + "END:VCARD\r\n";
}

QWidget* visiblePopup() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Popup)
            return window;
    return nullptr;
}

class ImportWindowTest : public ::testing::Test {
protected:
    QString write(const char* name, const QByteArray& bytes) {
        base.folder.writeBytes(name, bytes);
        return base.folder.filePath(name);
    }
    QString cell(int row, int column) const {
        const QTableWidgetItem* item = window.ui.previewTable->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    bool ticked(int row) const {
        return window.ui.previewTable->item(row, ImportWindow::Tick)->checkState() == Qt::Checked;
    }
    void tick(int row, bool on) {
        window.ui.previewTable->item(row, ImportWindow::Tick)
            ->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    ImportBase base;
    platform::MessageBoxRecorder boxes;
    ImportWindow window{base.file, base.images};
};

TEST_F(ImportWindowTest, ACodePage1251CardShowsWhatTheRecordKeepsAndTheEncodingSwitchRereads) {
    base.open();
    const QString longName =
        QStringLiteral("Константинопольский Константин Константинович-Длинный");
    const QString path =
        write("old.vcf", card("FN:" + encoded("windows-1251", longName) + "\r\nADR:;;" +
                              encoded("windows-1251", QStringLiteral("Ленина 1")) + ";" +
                              encoded("windows-1251", QStringLiteral("Тверь")) +
                              "\r\nTEL:111\r\nTEL:222\r\n") +
                             card("FN:" + encoded("windows-1251", QStringLiteral("Анна")) +
                                  "\r\nEMAIL:a@example.org\r\n"));
    EXPECT_FALSE(window.ui.encodingBox->isEnabled());
    ASSERT_TRUE(window.openFile(path));
    EXPECT_TRUE(window.ui.encodingBox->isEnabled());
    EXPECT_EQ(window.ui.encodingBox->currentText(),
              interchange::encodingName(interchange::TextEncoding::CodePage1251));
    EXPECT_TRUE(window.ui.mappingTable->isHidden());
    ASSERT_EQ(window.ui.previewTable->rowCount(), 2);
    // The record keeps 50 bytes of the name.
    EXPECT_EQ(cell(0, ImportWindow::FullName), longName.left(50));
    EXPECT_EQ(cell(0, ImportWindow::Address), QStringLiteral("Ленина 1, Тверь"));
    EXPECT_EQ(cell(0, ImportWindow::Telephone), "111");
    EXPECT_EQ(cell(0, ImportWindow::Note),
              QStringLiteral("обрезано до 50 знаков: ФИО; не сохранены другие телефоны: 1"));
    EXPECT_EQ(cell(1, ImportWindow::FullName), QStringLiteral("Анна"));
    EXPECT_EQ(cell(1, ImportWindow::Email), "a@example.org");
    EXPECT_EQ(cell(1, ImportWindow::Note), "");
    EXPECT_TRUE(ticked(0) && ticked(1));
    EXPECT_TRUE(window.ui.importButton->isEnabled());

    // Read as KOI8-R, the same bytes are other letters, at once.
    window.ui.encodingBox->setCurrentIndex(int(interchange::TextEncoding::Koi8R));
    QStringDecoder koi8("KOI8-R");
    EXPECT_EQ(cell(1, ImportWindow::FullName),
              QString(koi8.decode(encoded("windows-1251", QStringLiteral("Анна")))));
    window.ui.encodingBox->setCurrentIndex(int(interchange::TextEncoding::CodePage1251));
    EXPECT_EQ(cell(1, ImportWindow::FullName), QStringLiteral("Анна"));
    EXPECT_EQ(boxes.boxes.size(), 0);
}

TEST_F(ImportWindowTest, TheEncodingShownIsTheOneTheTextsOfTheFileAsk) {
    base.open();
    // An ASCII file whose texts are quoted-printable code page 1251: only the decoded
    // texts tell, as the reader of the command line finds.
    const QString quoted =
        write("quoted.vcf", card("FN;ENCODING=QUOTED-PRINTABLE:" +
                                 encoded("windows-1251", QStringLiteral("Пётр Ёлкин"))
                                     .toPercentEncoding()
                                     .replace('%', '=') +
                                 "\r\n"));
    ASSERT_TRUE(window.openFile(quoted));
    EXPECT_EQ(window.ui.encodingBox->currentText(),
              interchange::encodingName(interchange::TextEncoding::CodePage1251));
    EXPECT_EQ(cell(0, ImportWindow::FullName), QStringLiteral("Пётр Ёлкин"));
    // A western 8-bit file is offered as such, and can be switched like any other.
    const QString western =
        write("western.vcf", card("FN:" + QStringLiteral("José Müller").toLatin1() + "\r\n"));
    ASSERT_TRUE(window.openFile(western));
    EXPECT_EQ(window.ui.encodingBox->currentText(),
              interchange::encodingName(interchange::TextEncoding::Latin1));
    EXPECT_EQ(cell(0, ImportWindow::FullName), QStringLiteral("Jos? M?ller"));
    EXPECT_EQ(boxes.boxes.size(), 0);
}

TEST_F(ImportWindowTest, DuplicatesStartUntickedAndTheButtonFollowsTheTicks) {
    base.open({makeRecord(QStringLiteral("Старый"), "", "8 900 111-22-33")});
    const QString path =
        write("in.vcf", card("FN:Other\r\nTEL:+7 (900) 111-22-33\r\n") + card("FN:New\r\n"));
    ASSERT_TRUE(window.openFile(path));
    EXPECT_FALSE(ticked(0));
    EXPECT_TRUE(ticked(1));
    EXPECT_EQ(cell(0, ImportWindow::Note), QStringLiteral("возможно, уже есть в базе"));
    // Told on the whole row and greyed, since the note may be scrolled away.
    const QTableWidgetItem* name = window.ui.previewTable->item(0, ImportWindow::FullName);
    EXPECT_EQ(name->toolTip(), QStringLiteral("возможно, уже есть в базе"));
    EXPECT_NE(name->foreground().color(),
              window.ui.previewTable->item(1, ImportWindow::FullName)->foreground().color());
    EXPECT_EQ(window.ui.summaryLabel->text(),
              QStringLiteral("Контактов: 2, отмечено: 1, похожих на имеющиеся в базе: 1."));
    tick(1, false);
    EXPECT_FALSE(window.ui.importButton->isEnabled());
    tick(0, true);
    EXPECT_TRUE(window.ui.importButton->isEnabled());
    tick(1, true);
    window.ui.importButton->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.importResult().added, 2);
    base.file.close();
    EXPECT_EQ(base.folder.readBytes("Baza.dat"),
              fileBytes({makeRecord(QStringLiteral("Старый"), "", "8 900 111-22-33"),
                         makeRecord("Other", "", "+7 (900) 111-22-33"), makeRecord("New")}));
}

TEST_F(ImportWindowTest, ACsvColumnGivenAnotherFieldMovesInThePreview) {
    base.open();
    const QString path =
        write("list.csv", QStringLiteral("Имя;Телефон;Заметки\r\nАнна;111;Тверь\r\n").toUtf8());
    ASSERT_TRUE(window.openFile(path));
    EXPECT_FALSE(window.ui.mappingTable->isHidden());
    EXPECT_GT(window.ui.previewTable->y(),
              window.ui.mappingTable->geometry().bottom()); // not under the mapping
    ASSERT_EQ(window.ui.mappingTable->columnCount(), 3);
    EXPECT_EQ(window.ui.mappingTable->horizontalHeaderItem(2)->text(), QStringLiteral("Заметки"));
    auto* notes = window.ui.mappingTable->findChild<QComboBox*>("column2");
    auto* phone = window.ui.mappingTable->findChild<QComboBox*>("column1");
    ASSERT_TRUE(notes && phone);
    EXPECT_EQ(notes->currentText(), "—");
    EXPECT_EQ(phone->currentText(), QStringLiteral("Телефон"));
    EXPECT_EQ(cell(0, ImportWindow::Address), "");

    notes->setCurrentIndex(int(interchange::ColumnRole::Address));
    EXPECT_EQ(cell(0, ImportWindow::Address), QStringLiteral("Тверь"));
    phone->setCurrentIndex(int(interchange::ColumnRole::Ignored));
    EXPECT_EQ(cell(0, ImportWindow::Telephone), "");
    EXPECT_EQ(cell(0, ImportWindow::FullName), QStringLiteral("Анна"));

    // A vCard next has no columns to map, and the preview takes their place.
    ASSERT_TRUE(window.openFile(write("one.vcf", card("FN:X\r\n"))));
    EXPECT_TRUE(window.ui.mappingTable->isHidden());
    EXPECT_LT(window.ui.previewTable->y(), window.ui.mappingTable->y());
}

TEST_F(ImportWindowTest, FieldsChosenByHandOutlastAChangeOfEncoding) {
    base.open();
    const QString path =
        write("old.csv",
              encoded("windows-1251", QStringLiteral("Имя;Телефон;Заметки\r\nАнна;111;Тверь\r\n")));
    ASSERT_TRUE(window.openFile(path));
    ASSERT_EQ(window.ui.encodingBox->currentIndex(), int(interchange::TextEncoding::CodePage1251));
    // The lists of the mapping now shown (those replaced are deleted later).
    auto list = [this](int column) {
        return qobject_cast<QComboBox*>(window.ui.mappingTable->cellWidget(0, column));
    };
    auto role = [&list](int column) {
        return list(column)->currentIndex();
    };
    list(2)->setCurrentIndex(int(interchange::ColumnRole::Address));

    // Read as KOI8-R the headers say nothing known: only the column set by hand keeps a field.
    window.ui.encodingBox->setCurrentIndex(int(interchange::TextEncoding::Koi8R));
    EXPECT_EQ(role(0), int(interchange::ColumnRole::Ignored));
    EXPECT_EQ(role(1), int(interchange::ColumnRole::Ignored));
    EXPECT_EQ(role(2), int(interchange::ColumnRole::Address));
    // Back in the right encoding the headers map again, and the hand-set field stays.
    window.ui.encodingBox->setCurrentIndex(int(interchange::TextEncoding::CodePage1251));
    EXPECT_EQ(role(0), int(interchange::ColumnRole::FirstName));
    EXPECT_EQ(role(1), int(interchange::ColumnRole::Telephone));
    EXPECT_EQ(role(2), int(interchange::ColumnRole::Address));
    EXPECT_EQ(cell(0, ImportWindow::Address), QStringLiteral("Тверь"));
    EXPECT_EQ(cell(0, ImportWindow::Telephone), "111");

    // Another file starts from its own headers.
    ASSERT_TRUE(window.openFile(path));
    EXPECT_EQ(role(2), int(interchange::ColumnRole::Ignored));
}

TEST_F(ImportWindowTest, TheKeyboardGoesFromTheChosenFileToItsTicksAndOnToTheButtons) {
    base.open();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(window.openFile(write("two.vcf", card("FN:A\r\n") + card("FN:B\r\n"))));
    QTableWidget* preview = window.ui.previewTable;
    EXPECT_EQ(QApplication::focusWidget(), preview);
    EXPECT_EQ(preview->currentRow(), 0);
    EXPECT_EQ(preview->currentColumn(), ImportWindow::Tick);

    // Space unticks the row, Down and Space the next one.
    QTest::keyClick(preview, Qt::Key_Space);
    EXPECT_FALSE(ticked(0));
    QTest::keyClick(preview, Qt::Key_Down);
    QTest::keyClick(preview, Qt::Key_Space);
    EXPECT_FALSE(ticked(1));
    EXPECT_FALSE(window.ui.importButton->isEnabled());
    QTest::keyClick(preview, Qt::Key_Space);
    EXPECT_TRUE(window.ui.importButton->isEnabled());

    // Tab leaves the table rather than walking its cells.
    QTest::keyClick(preview, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.ui.importButton);
    QTest::keyClick(window.ui.importButton, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.ui.cancelButton);
    QTest::keyClick(window.ui.cancelButton, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(window.ui.importButton, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), preview);
}

// The chooser accepted while the list completing the typed name is open: the list goes
// with the chooser instead of staying over the window and holding the keyboard.
TEST_F(ImportWindowTest, TheChoosersCompletionListGoesWithTheChooser) {
    base.open();
    const QString path = write("old.vcf", card("FN:A\r\n"));
    window.show();
    ModalScript script;
    script.then([&](QWidget* modal) {
        auto* chooser = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(chooser, nullptr);
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        QCompleter* completion = name->completer();
        ASSERT_NE(completion, nullptr);
        name->setText(path);
        completion->popup()->show(); // the list completing the typed name is open
        EXPECT_NE(visiblePopup(), nullptr);
        static_cast<QDialog*>(chooser)->accept(); // and Enter accepts the chooser
    });
    window.ui.chooseButton->click();
    EXPECT_EQ(script.seen.size(), 1);
    EXPECT_EQ(window.ui.pathEdit->text(), path);
    EXPECT_EQ(visiblePopup(), nullptr);
    // And it stays closed once the events the chooser left have run.
    QTest::qWait(200);
    EXPECT_EQ(visiblePopup(), nullptr);
}

TEST_F(ImportWindowTest, AFailedWriteLeavesTheBaseAndTheWindowAsTheyWere) {
    base.open({makeRecord("A")});
    ASSERT_TRUE(window.openFile(write("in.vcf", card("FN:B\r\n") + card("FN:C\r\n"))));
    store::failNthWrite(1, ENOSPC);
    window.ui.importButton->click();
    store::failNthWrite(0, 0);
    EXPECT_EQ(boxes.texts(ShownBox::Error).size(), 1);
    EXPECT_NE(window.result(), QDialog::Accepted);
    EXPECT_EQ(base.file.count(), 1);
    EXPECT_TRUE(window.ui.importButton->isEnabled());
    EXPECT_TRUE(window.ui.progressBar->isHidden());
    // Tried again with room on the disk, it goes through.
    window.ui.importButton->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(base.file.count(), 3);
}

TEST_F(ImportWindowTest, AnUnreadableOrEmptyFileIsSaid) {
    base.open();
    EXPECT_FALSE(window.openFile(base.folder.filePath("missing.vcf")));
    EXPECT_EQ(boxes.texts(ShownBox::Error),
              QStringList{QStringLiteral("Не удалось прочитать файл «%1»: файл не найден")
                              .arg(base.folder.filePath("missing.vcf"))});
    EXPECT_TRUE(window.ui.pathEdit->text().isEmpty());
    ASSERT_TRUE(window.openFile(write("empty.vcf", "no cards here")));
    EXPECT_EQ(window.ui.previewTable->rowCount(), 0);
    EXPECT_EQ(window.ui.summaryLabel->text(), QStringLiteral("В файле нет контактов."));
    EXPECT_FALSE(window.ui.importButton->isEnabled());
}

TEST_F(ImportWindowTest, ALargeFileShowsTheImportsProgress) {
    base.open();
    QByteArray cards;
    for (int i = 0; i < ImportWindow::kProgressRows; ++i)
        cards += card("FN:N" + QByteArray::number(i) + "\r\n");
    ASSERT_TRUE(window.openFile(write("big.vcf", cards)));
    // The bar is up while the rows go by.
    int stepsShown = 0;
    QObject::connect(window.ui.progressBar, &QProgressBar::valueChanged,
                     [&] { stepsShown += window.ui.progressBar->isHidden() ? 0 : 1; });
    window.ui.importButton->click();
    EXPECT_GT(stepsShown, ImportWindow::kProgressRows / 2);
    EXPECT_EQ(window.ui.progressBar->maximum(), ImportWindow::kProgressRows);
    EXPECT_EQ(window.ui.progressBar->value(), ImportWindow::kProgressRows);
    EXPECT_FALSE(window.ui.progressBar->isHidden());
    EXPECT_EQ(base.file.count(), ImportWindow::kProgressRows);
}

// Through the main window: "kalmo FILE.vcf", the menu item and Cancel.
class ImportFromMainWindow : public ::testing::Test {
protected:
    QString writeCards(const QByteArray& cards) {
        f.folder.writeBytes("in.vcf", cards);
        return f.folder.filePath("in.vcf");
    }
    TForm1& open(const QList<store::ContactRecord>& records) {
        f.writeDataFile(records);
        return f.openWindow();
    }
    record_fixture::WindowFixture f;
};

TEST_F(ImportFromMainWindow, AFileOpenedWithTheProgramIsPreviewedThenImportedAndShown) {
    TForm1& w = open({makeRecord(QStringLiteral("Старый"))});
    const QString path = writeCards(
        card("FN:" + QStringLiteral("Новикова Анна").toUtf8() + "\r\nTEL:+7 900 111\r\n") +
        card("FN:" + QStringLiteral("Старый").toUtf8() + "\r\n"));
    ModalScript script;
    script.then([&](QWidget* modal) {
        auto* window = qobject_cast<ImportWindow*>(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Импорт контактов"));
        EXPECT_EQ(window->ui.pathEdit->text(), path);
        EXPECT_EQ(window->ui.previewTable->rowCount(), 2);
        window->ui.importButton->click();
    });
    w.guarded([&] { w.importContactFile(path); });
    EXPECT_EQ(script.seen.size(), 1);
    EXPECT_EQ(f.boxes.texts(), QStringList{QStringLiteral(
                                   "Добавлено: 1. Пропущено: 1. Сохранено не полностью: 0.")});
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord(QStringLiteral("Старый")),
                                        makeRecord(QStringLiteral("Новикова Анна"), "",
                                                   QStringLiteral("+7 900 111"))}));
    // The base is shown afresh: record 1, and the way to the second open.
    EXPECT_EQ(w.ui.fio->text(), QStringLiteral("Старый"));
    EXPECT_TRUE(w.ui.next->isEnabled());
    EXPECT_EQ(w.ui.Label7->text(), "Всего записей: 2");
}

TEST_F(ImportFromMainWindow, TheMenuItemOpensTheWindowAndCancelChangesNothing) {
    TForm1& w = open({makeRecord("A")});
    const QString path = writeCards(card("FN:B\r\n"));
    ModalScript script;
    script.then([&](QWidget* modal) {
        auto* window = qobject_cast<ImportWindow*>(modal);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->ui.pathEdit->text().isEmpty());
        EXPECT_FALSE(window->ui.importButton->isEnabled());
        ASSERT_TRUE(window->openFile(path));
        window->ui.cancelButton->click();
    });
    w.ui.N16->trigger();
    EXPECT_EQ(script.seen.size(), 1);
    EXPECT_TRUE(f.boxes.boxes.isEmpty());
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord("A")}));
}

TEST_F(ImportFromMainWindow, AnUnreadableFileIsSaidWithoutTheWindow) {
    TForm1& w = open({makeRecord("A")});
    ModalScript script;
    w.guarded([&] { w.importContactFile(f.folder.filePath("missing.vcf")); });
    EXPECT_TRUE(script.seen.isEmpty());
    EXPECT_EQ(f.boxes.texts(ShownBox::Error).size(), 1);
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord("A")}));
}

} // namespace
