// First, previous, next and last: the record on show, its number and the buttons; a read
// past the end leaves the record on show in place.
#include "support/record_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace record_fixture;
using platform::ShownBox;

namespace {

class NavigationTest : public ::testing::Test {
protected:
    TForm1& open(const QList<store::ContactRecord>& records) {
        base.writeDataFile(records);
        return base.openWindow();
    }
    TForm1& w() { return base.window(); }
    QStringList navigation() { return enabledOf(w(), {"first", "previous", "next", "last"}); }

    WindowFixture base;
};

TEST_F(NavigationTest, WalksThroughThreeRecords) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    EXPECT_EQ(navigation(), QStringList({"last", "next"}));

    w().ui.next->click();
    EXPECT_EQ(w().ui.fio->text(), "B");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
    EXPECT_EQ(navigation(), QStringList({"first", "last", "next", "previous"}));

    w().ui.next->click();
    EXPECT_EQ(w().ui.fio->text(), "C");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 3");
    EXPECT_EQ(navigation(), QStringList({"first", "previous"}));

    w().ui.previous->click();
    EXPECT_EQ(w().ui.fio->text(), "B");
    EXPECT_EQ(navigation(), QStringList({"first", "last", "next", "previous"}));

    w().ui.first->click();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(navigation(), QStringList({"last", "next"}));

    w().ui.last->click();
    EXPECT_EQ(w().ui.fio->text(), "C");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 3");
    EXPECT_EQ(navigation(), QStringList({"first", "previous"}));

    w().ui.previous->click();
    w().ui.previous->click();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(navigation(), QStringList({"last", "next"}));
    EXPECT_TRUE(base.boxes.boxes.isEmpty());
}

TEST_F(NavigationTest, PreviousOnRecordOneReadsItAgain) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.fio->setText("edited, not stored");
    w().previousClick();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(navigation(), QStringList({"last", "next"}));
}

TEST_F(NavigationTest, NextPastTheOnlyRecordSaysSoAndKeepsRecordOneOnShow) {
    open({makeRecord("A")});
    QTest::keyClick(w().ui.fio, Qt::Key_Escape); // turns "next" and "last" on
    ASSERT_TRUE(w().ui.next->isEnabled());
    w().ui.next->click();
    EXPECT_EQ(base.boxes.texts(ShownBox::Message), QStringList({"Больше записей нет"}));
    EXPECT_TRUE(base.boxes.texts(ShownBox::Error).isEmpty());
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().state().index, 0);

    // "Изменить" and "Удалить" still act on record 1 and on nothing else.
    w().ui.fio->setText("A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A2")}));
    w().ui.delete_->click();
    EXPECT_EQ(base.dataBytes().size(), 0);
}

TEST_F(NavigationTest, NextWhenTheFileWasCutUnderTheWindowFailsAndTheWindowStaysUsable) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    w().ui.next->click(); // B, record 2
    // Another program cuts the file in the middle of C.
    const qint64 cutAt =
        2 * qint64(store::ContactRecord::kSize) + qint64(store::ContactRecord::kSize) / 2;
    ASSERT_TRUE(QFile::resize(base.dataFile(), cutAt));

    w().ui.next->click();
    EXPECT_EQ(base.boxes.texts(ShownBox::Error), QStringList({"Read beyond end of file"}));
    // B stays on show with its number; the step before the failed read (enabling
    // "previous" and "first") has run, nothing after it.
    EXPECT_EQ(w().ui.fio->text(), "B");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 2");
    EXPECT_EQ(w().state().index, 1);
    EXPECT_EQ(navigation(), QStringList({"first", "last", "next", "previous"}));
    EXPECT_EQ(base.dataBytes().size(), cutAt); // a failed read writes nothing

    // The records still there are reached as before.
    w().ui.previous->click();
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(navigation(), QStringList({"last", "next"}));
    w().ui.next->click();
    EXPECT_EQ(w().ui.fio->text(), "B");
    EXPECT_EQ(base.boxes.texts(ShownBox::Error).size(), 1);
}

TEST_F(NavigationTest, NavigationInAnEmptyFileFailsWithoutMovingTheIndex) {
    base.openWindow();
    EXPECT_THROW(w().lastClick(), std::exception);
    EXPECT_THROW(w().nextClick(), std::exception);
    EXPECT_EQ(w().state().index, 0);
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 0");
}

} // namespace
