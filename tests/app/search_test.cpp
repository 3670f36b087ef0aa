// "Поиск" and "Найти": the sorted list, upper-casing and completion of typed text, the
// first match in file order, and a miss that leaves the window on its record.
#include "support/record_fixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace record_fixture;
using platform::ShownBox;

namespace {

class SearchTest : public ::testing::Test {
protected:
    TForm1& open(const QList<store::ContactRecord>& records) {
        base.writeDataFile(records);
        return base.openWindow();
    }
    TForm1& w() { return base.window(); }
    QStringList listed() {
        QStringList items;
        for (int row = 0; row < w().ui.suiComboBox1->count(); ++row)
            items << w().ui.suiComboBox1->itemText(row);
        return items;
    }
    // Types text into the search box one character at a time, as a keyboard does.
    void typeInBox(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w().ui.suiComboBox1, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w().ui.suiComboBox1, &release);
        }
    }
    void clearBox() { w().ui.suiComboBox1->lineEdit()->clear(); }
    void pressEnter() { QTest::keyClick(w().ui.suiComboBox1, Qt::Key_Return); }

    WindowFixture base;
};

TEST_F(SearchTest, SearchListsEveryNameSortedAndLeavesTheWindowAlone) {
    open({makeRecord("Петров"), makeRecord("Андреев"), makeRecord("Сидоров"),
          makeRecord("андреев")});
    w().ui.next->click(); // Андреев is on show
    EXPECT_FALSE(w().ui.suiComboBox1->isEnabled());
    w().ui.search->click();
    EXPECT_EQ(listed(), QStringList({"Андреев", "андреев", "Петров", "Сидоров"}));
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "Андреев");
    EXPECT_EQ(w().ui.suiComboBox1->currentIndex(), 0);
    EXPECT_TRUE(w().ui.suiComboBox1->isEnabled());
    EXPECT_TRUE(w().ui.ToolButton1->isEnabled());
    EXPECT_EQ(w().ui.fio->text(), "Андреев");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
    EXPECT_EQ(w().state().index, 1);
}

TEST_F(SearchTest, FindShowsTheChosenRecordAndClosesTheSearch) {
    open({makeRecord("Петров"), makeRecord("Андреев"), makeRecord("Сидоров")});
    w().ui.search->click();
    w().ui.suiComboBox1->setCurrentIndex(2);
    ASSERT_EQ(w().ui.suiComboBox1->currentText(), "Сидоров");
    w().ui.ToolButton1->click();
    EXPECT_EQ(w().ui.fio->text(), "Сидоров");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 3");
    EXPECT_EQ(enabledOf(w(), {"first", "previous", "next", "last"}),
              QStringList({"first", "previous"}));
    EXPECT_FALSE(w().ui.ToolButton1->isEnabled());
    EXPECT_FALSE(w().ui.suiComboBox1->isEnabled());
    EXPECT_TRUE(w().ui.suiComboBox1->currentText().isEmpty());
    EXPECT_EQ(listed().size(), 3); // the entries stay until the next search
}

TEST_F(SearchTest, TheFirstOfEqualNamesInFileOrderWins) {
    open({makeRecord("Сидоров"), makeRecord("Петров", "первый"), makeRecord("Петров", "второй")});
    w().ui.search->click();
    clearBox();
    typeInBox("П");
    pressEnter();
    EXPECT_EQ(w().ui.adres->text(), "первый");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
}

TEST_F(SearchTest, TypedLetterIsUpperCasedAndCompletedThenEnterFinds) {
    open({makeRecord("Петров"), makeRecord("Андреев"), makeRecord("Сидоров")});
    w().ui.search->click();
    EXPECT_EQ(w().ui.suiComboBox1->lineEdit()->selectedText(), "Андреев");
    typeInBox("с"); // replaces the selected text
    QLineEdit* line = w().ui.suiComboBox1->lineEdit();
    EXPECT_EQ(line->text(), "Сидоров");
    EXPECT_EQ(line->selectedText(), "идоров");
    EXPECT_EQ(w().ui.suiComboBox1->currentIndex(), 2);
    pressEnter();
    EXPECT_EQ(w().ui.fio->text(), "Сидоров");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 3");
    EXPECT_FALSE(w().ui.suiComboBox1->isEnabled());
    EXPECT_TRUE(base.boxes.boxes.isEmpty());
}

TEST_F(SearchTest, AMissSaysNoContactHasThatNameAndKeepsTheRecordOnShow) {
    open({makeRecord("Петров"), makeRecord("Андреев"), makeRecord("Сидоров")});
    w().ui.next->click();
    w().ui.search->click();
    clearBox();
    typeInBox("сид");
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "СИДоров");
    pressEnter();
    EXPECT_EQ(base.boxes.texts(ShownBox::Message), QStringList({"Контакт с таким ФИО не найден"}));
    EXPECT_TRUE(base.boxes.texts(ShownBox::Error).isEmpty());
    EXPECT_EQ(w().ui.fio->text(), "Андреев");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
    EXPECT_TRUE(w().ui.suiComboBox1->isEnabled());
    EXPECT_TRUE(w().ui.ToolButton1->isEnabled());
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "СИДоров");

    // Change and delete act on the record on show (Андреев), not on where the scan ended.
    QTest::keyClick(w().ui.fio, Qt::Key_End);
    w().ui.fio->setText("Андреев-Бойко");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.names(), QStringList({"Петров", "Сидоров", "Андреев-Бойко"}));
    w().ui.next->click(); // Сидоров
    w().ui.search->click();
    w().ui.delete_->click();
    EXPECT_EQ(base.names(), QStringList({"Петров", "Андреев-Бойко"}));
}

TEST_F(SearchTest, TheCorrectedTextIsFoundOnTheNextTry) {
    open({makeRecord("Петров"), makeRecord("Сидоров")});
    w().ui.search->click();
    clearBox();
    typeInBox("сидоровв");
    // Every typed letter is upper-cased: only the completed part keeps the stored case.
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "СИДОРОВВ");
    w().ui.ToolButton1->click();
    ASSERT_EQ(base.boxes.texts(ShownBox::Message).size(), 1);
    w().ui.suiComboBox1->lineEdit()->selectAll();
    typeInBox("с");
    w().ui.ToolButton1->click();
    EXPECT_EQ(w().ui.fio->text(), "Сидоров");
}

TEST_F(SearchTest, KeyPressUpperCasesOnlyLowerCaseLetters) {
    EXPECT_EQ(TForm1::suiComboBox1KeyPress(u'я'), QChar(u'Я'));
    EXPECT_EQ(TForm1::suiComboBox1KeyPress(u'а'), QChar(u'А'));
    EXPECT_EQ(TForm1::suiComboBox1KeyPress(u'z'), QChar(u'Z'));
    for (const char16_t same : {u'ё', u'Ё', u'5', u'Q', u' ', u'-', u'Я', u'€'})
        EXPECT_EQ(TForm1::suiComboBox1KeyPress(same), QChar(same));
    // Outside the code page: left as typed.
    EXPECT_EQ(TForm1::suiComboBox1KeyPress(u'ä'), QChar(u'ä'));
}

TEST_F(SearchTest, ACapitalOutsideTheCodePageIsKeptAndMatchesNoRecord) {
    // "?" is what the data file holds for a character the code page lacks; the typed
    // capital must neither turn into it nor find the record that holds it.
    open({makeRecord("Петров"), makeRecord("?"), makeRecord("Сидоров")});
    EXPECT_EQ(TForm1::suiComboBox1KeyPress(u'Ω'), QChar(u'Ω'));
    w().ui.search->click();
    clearBox();
    typeInBox("Ω");
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "Ω"); // nothing in the list begins with it
    pressEnter();
    EXPECT_EQ(base.boxes.texts(ShownBox::Message), QStringList({"Контакт с таким ФИО не найден"}));
    EXPECT_TRUE(base.boxes.texts(ShownBox::Error).isEmpty());
    EXPECT_EQ(w().ui.fio->text(), "Петров");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_TRUE(w().ui.suiComboBox1->isEnabled());
    EXPECT_TRUE(w().ui.ToolButton1->isEnabled());
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "Ω");

    // The record held as "?" is still found by its own text.
    clearBox();
    typeInBox("?");
    pressEnter();
    EXPECT_EQ(w().ui.fio->text(), "?");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
}

TEST_F(SearchTest, TypingYoLeavesItAsTyped) {
    open({makeRecord("Петров"), makeRecord("Ёлкин")});
    w().ui.search->click();
    clearBox();
    typeInBox("ёл");
    // ё stays, л becomes Л; completion ignores case.
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "ёЛкин");
}

TEST_F(SearchTest, KeysSentToTheBoxEditAreHandledAlike) {
    open({makeRecord("Петров"), makeRecord("Zorin")});
    w().ui.search->click();
    clearBox();
    QTest::keyClicks(w().ui.suiComboBox1->lineEdit(), "zo");
    EXPECT_EQ(w().ui.suiComboBox1->currentText(), "ZOrin");
    EXPECT_EQ(w().ui.suiComboBox1->currentIndex(), 1);
    w().ui.suiComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(w().ui.suiComboBox1->lineEdit(), "z");
    QTest::keyClick(w().ui.suiComboBox1->lineEdit(), Qt::Key_Enter);
    EXPECT_EQ(w().ui.fio->text(), "Zorin");
}

TEST_F(SearchTest, EmptyTextFindsTheFirstRecordWithAnEmptyName) {
    open({makeRecord("Петров"), makeRecord("", "без имени"), makeRecord("")});
    w().ui.search->click();
    clearBox();
    pressEnter();
    EXPECT_EQ(w().ui.adres->text(), "без имени");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
}

} // namespace
