// New, save, change and delete on the main window: the file's bytes, the record on show
// and the buttons after each operation.
#include "app/base_size_text.h"
#include "store/write_fault.h"
#include "support/record_fixture.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cerrno>

using namespace record_fixture;
using platform::ShownBox;

namespace {

class RecordEditingTest : public ::testing::Test {
protected:
    TForm1& open(const QList<store::ContactRecord>& records) {
        base.writeDataFile(records);
        return base.openWindow();
    }
    TForm1& w() { return base.window(); }
    QStringList enabled() { return enabledOf(w(), kRecordButtons); }
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete); // a key down enables "Изменить"
        edit->setText(text);
    }

    WindowFixture base;
};

TEST_F(RecordEditingTest, NewLeavesOnlySaveAndPlusAmongTheRecordButtons) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.new_->click();
    EXPECT_EQ(enabled(), QStringList({"save"}));
    EXPECT_TRUE(w().ui.suiButton5->isEnabled());
    EXPECT_FALSE(w().ui.suiButton3->isEnabled());
    EXPECT_TRUE(w().ui.fio->text().isEmpty());
    EXPECT_TRUE(w().ui.Label9->text().isEmpty());
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1"); // labels stay as they were
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
}

TEST_F(RecordEditingTest, SaveIntoAnEmptyFileStoresAnEmptyRecordAndShowsIt) {
    base.openWindow();
    EXPECT_FALSE(w().ui.N17->isEnabled()); // nothing to export yet
    w().ui.new_->click();
    w().ui.save->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("")}));
    EXPECT_TRUE(w().ui.N17->isEnabled());
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 1");
    // One record: no navigation, no search.
    EXPECT_EQ(enabled(), QStringList({"delete", "new"}));
    EXPECT_FALSE(w().ui.Image1->isEnabled());
    EXPECT_TRUE(w().ui.suiButton3->isEnabled());
    EXPECT_TRUE(w().ui.suiButton4->isEnabled());
    EXPECT_FALSE(w().ui.suiButton5->isEnabled());
    EXPECT_TRUE(base.boxes.boxes.isEmpty());
}

TEST_F(RecordEditingTest, SaveAppendsTheTextsCutToTheFieldsAndThePendingPhoto) {
    open({makeRecord("A", "адрес A")});
    w().ui.new_->click();
    const QString longName(60, QChar(u'Ж'));
    w().ui.fio->setText(longName);
    w().ui.adres->setText("Москва");
    w().ui.tel->setText("123-45-67");
    w().ui.rabota->setText("Завод");
    w().ui.email->setText("b@example.org");
    w().ui.Label9->setText("/фото/b.jpg");
    w().ui.save->click();

    const store::ContactRecord stored = makeRecord(longName.left(50), "Москва", "123-45-67",
                                                   "Завод", "b@example.org", "/фото/b.jpg");
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A", "адрес A"), stored}));
    // The first record is on show, with the way forward open.
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next", "search"}));
}

TEST_F(RecordEditingTest, EscapeCancelsTheEntryAndShowsRecordOne) {
    open({makeRecord("A"), makeRecord("B")});
    w().nextClick();
    w().ui.new_->click();
    QTest::keyClick(w().ui.fio, Qt::Key_Escape);
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    // "Удалить" and "Поиск" stay off until an operation turns them on; the key enabled
    // "Изменить", which now acts on record 1.
    EXPECT_EQ(enabled(), QStringList({"last", "new", "next", "suiButton2"}));
    w().ui.fio->setText("A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.names(), QStringList({"B", "A2"}));
}

TEST_F(RecordEditingTest, ChangeMovesTheRecordToTheEndKeepingItsPhoto) {
    open({makeRecord("A"), makeRecord("B", "", "", "", "", "/photos/b.jpg"), makeRecord("C")});
    w().ui.next->click();
    type(w().ui.fio, "B2");
    w().ui.adres->setText("новый");
    EXPECT_TRUE(w().ui.suiButton2->isEnabled());
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes(),
              fileBytes({makeRecord("A"), makeRecord("C"),
                         makeRecord("B2", "новый", "", "", "", "/photos/b.jpg")}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 3");
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next", "search"}));
}

TEST_F(RecordEditingTest, ChangeOfTheOnlyRecord) {
    open({makeRecord("A")});
    type(w().ui.fio, "A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A2")}));
    EXPECT_EQ(w().ui.fio->text(), "A2");
    EXPECT_EQ(enabled(), QStringList({"delete", "first", "new", "previous"}));
}

TEST_F(RecordEditingTest, ChangeWithTwoRecordsTurnsSearchOff) {
    open({makeRecord("A"), makeRecord("B")});
    ASSERT_TRUE(w().ui.search->isEnabled());
    type(w().ui.fio, "A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.names(), QStringList({"B", "A2"}));
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next"}));
}

TEST_F(RecordEditingTest, ChangeDuringAnEntryStoresTheNewRecordAsSaveWould) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.new_->click();
    type(w().ui.fio, "Новый");
    w().ui.Label9->setText("/p/n.jpg");
    ASSERT_TRUE(w().ui.suiButton2->isEnabled());
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A"), makeRecord("B"),
                                           makeRecord("Новый", "", "", "", "", "/p/n.jpg")}));
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next", "search"}));
    // The entry is over: a second press changes record 1, it adds nothing.
    type(w().ui.fio, "A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.names(), QStringList({"B", "Новый", "A2"}));
}

TEST_F(RecordEditingTest, ChangeWithNothingOnShowWritesNothing) {
    base.openWindow(); // empty file
    type(w().ui.fio, "Никто");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes().size(), 0);
    EXPECT_FALSE(w().ui.suiButton2->isEnabled());
}

TEST_F(RecordEditingTest, AChangeCutShortByAFullDiskLeavesTheBaseExactlyAsItWas) {
    // 5,000 records: the change is written in several parts before it counts.
    QList<store::ContactRecord> records;
    for (int k = 0; k < 5000; ++k)
        records << makeRecord(QString("Запись %1").arg(k));
    base.writeDataFile(records);
    const QByteArray before = base.dataBytes();
    base.openWindow();
    w().ui.next->click();
    type(w().ui.fio, "Изменённая");
    int failures = 0;
    for (int n = 1;; ++n) {
        base.boxes.boxes.clear();
        store::failNthWrite(n, ENOSPC);
        w().ui.suiButton2->click();
        store::failNthWrite(0, 0);
        // Once no write is left to fail, the same change goes through.
        if (base.boxes.texts(ShownBox::Error).isEmpty())
            break;
        ASSERT_EQ(base.boxes.texts(ShownBox::Error), QStringList({"Disk full"})) << n;
        EXPECT_TRUE(base.dataBytes() == before) << "write " << n;
        EXPECT_EQ(w().state().index, 1); // still the record on show
        w().ui.suiButton2->setEnabled(true);
        ++failures;
    }
    EXPECT_GE(failures, 2);
    EXPECT_EQ(base.names().size(), 5000);
    EXPECT_EQ(base.names().at(1), "Запись 2");
    EXPECT_EQ(base.names().last(), "Изменённая");
}

TEST_F(RecordEditingTest, DeleteAfterOkRemovesTheRecordOnShowAndShowsRecordOne) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    w().ui.next->click();
    w().ui.delete_->click();
    EXPECT_EQ(base.boxes.texts(ShownBox::Confirmation), QStringList({"Удалить запись?"}));
    EXPECT_EQ(base.boxes.boxes.first().caption, "Confirm");
    EXPECT_EQ(base.dataBytes(), fileBytes({makeRecord("A"), makeRecord("C")}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next", "search"}));
}

TEST_F(RecordEditingTest, DeleteOfTheLastRecordInTheFile) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    w().ui.last->click();
    w().ui.delete_->click();
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 2");
}

TEST_F(RecordEditingTest, DeleteCancelledRemovesNothingAndShowsRecordOne) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.next->click();
    base.boxes.answer = [](const ShownBox&) {
        return false;
    };
    w().ui.delete_->click();
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
    EXPECT_EQ(w().ui.fio->text(), "A");
    EXPECT_EQ(enabled(), QStringList({"delete", "last", "new", "next", "search"}));

    // Cancel with one record turns navigation and search off.
    open({makeRecord("A")});
    w().ui.delete_->click();
    EXPECT_EQ(base.names(), QStringList({"A"}));
    EXPECT_EQ(enabled(), QStringList({"delete", "new"}));
}

TEST_F(RecordEditingTest, DeleteOfTheOnlyRecordEmptiesTheWindow) {
    open({makeRecord("A", "адрес")});
    // One record: "Первая запись" and "Предыдущая запись" are on and stay so.
    ASSERT_TRUE(w().ui.first->isEnabled());
    w().ui.delete_->click();
    EXPECT_EQ(base.dataBytes().size(), 0);
    EXPECT_EQ(base.boxes.texts(ShownBox::Message), QStringList({"Вы удалили последнюю запись."}));
    EXPECT_TRUE(w().ui.fio->text().isEmpty());
    EXPECT_TRUE(w().ui.adres->text().isEmpty());
    EXPECT_EQ(w().ui.Label6->text(), "Запись № 0");
    EXPECT_EQ(w().ui.Label7->text(), "Всего записей: 0");
    EXPECT_EQ(enabled(), QStringList({"first", "new", "previous"}));
    // Nothing is on show, so nothing more can be removed or changed.
    w().deleteClick();
    type(w().ui.fio, "X");
    w().ui.suiButton2->click();
    EXPECT_EQ(base.dataBytes().size(), 0);
}

TEST_F(RecordEditingTest, DeleteKeepsPhotoFilesOutsideTheImagesFolder) {
    // No images folder is set: no photo file counts as the program's own.
    const QString photo = base.folder.filePath("a.jpg");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(photo, "JPG"));
    open({makeRecord("A", "", "", "", "", photo), makeRecord("B")});
    w().ui.delete_->click();
    EXPECT_EQ(base.names(), QStringList({"B"}));
    EXPECT_TRUE(QFile::exists(photo));
}

TEST_F(RecordEditingTest, DeleteIsIgnoredWhileANewRecordIsEntered) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.new_->click();
    w().deleteClick();
    EXPECT_TRUE(base.boxes.boxes.isEmpty());
    EXPECT_EQ(base.names(), QStringList({"A", "B"}));
}

TEST_F(RecordEditingTest, NewClosesAnOpenSearch) {
    open({makeRecord("A"), makeRecord("B")});
    w().ui.search->click();
    ASSERT_TRUE(w().ui.ToolButton1->isEnabled());
    w().ui.new_->click();
    EXPECT_FALSE(w().ui.ToolButton1->isEnabled());
    EXPECT_FALSE(w().ui.suiComboBox1->isEnabled());
}

} // namespace

namespace {

TEST_F(RecordEditingTest, TheSizeCopyFollowsEveryChangeOfTheDataFile) {
    open({makeRecord("A"), makeRecord("B"), makeRecord("C")});
    auto copy = [this] {
        return base.folder.readBytes("Baza1.dat");
    };
    EXPECT_EQ(copy(), base.dataBytes());
    type(w().ui.fio, "A2");
    w().ui.suiButton2->click();
    EXPECT_EQ(copy(), base.dataBytes());
    w().ui.delete_->click();
    EXPECT_EQ(copy(), base.dataBytes());
    EXPECT_EQ(w().ui.Label10->text(), app::baseSizeText(2 * 511));
    // A copy removed or altered behind the program's back is made again.
    QFile::remove(base.folder.filePath("Baza1.dat"));
    w().ui.next->click();
    EXPECT_EQ(copy(), base.dataBytes());
    base.folder.writeBytes("Baza1.dat", "x");
    w().ui.previous->click();
    EXPECT_EQ(copy(), base.dataBytes());
}

} // namespace
