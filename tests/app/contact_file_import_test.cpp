#include "app/main_window.h"
#include "support/record_fixture.h"

#include <gtest/gtest.h>

#include <QLineEdit>

using platform::ShownBox;
using record_fixture::fileBytes;
using record_fixture::WindowFixture;

namespace {

// A contact file opened with the program: the window asks, adds and shows the base anew.
class ContactFileImportTest : public ::testing::Test {
protected:
    TForm1& open(const QList<store::ContactRecord>& records) {
        f.writeDataFile(records);
        return f.openWindow();
    }
    void importFile(const QString& path) {
        f.window().guarded([&] { f.window().importContactFile(path); });
    }
    QString writeCards(const QByteArray& cards) {
        f.folder.writeBytes("in.vcf", cards);
        return f.folder.filePath("in.vcf");
    }

    WindowFixture f;
};

const QByteArray kTwoCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + QStringLiteral("Новикова Анна").toUtf8() +
    "\r\nTEL:+7 900 111\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" +
    QStringLiteral("Старый").toUtf8() + "\r\nEND:VCARD\r\n";

TEST_F(ContactFileImportTest, AfterTheUsersYesTheNewContactsAreAddedAndTheFirstShown) {
    TForm1& w = open({makeRecord(QStringLiteral("Старый"))});
    importFile(writeCards(kTwoCards));
    ASSERT_EQ(f.boxes.boxes.size(), 2);
    EXPECT_EQ(f.boxes.boxes[0].kind, ShownBox::Confirmation);
    EXPECT_TRUE(f.boxes.boxes[0].text.endsWith(
        QStringLiteral("Контактов в файле: 2 (кодировка UTF-8); похожих на уже имеющиеся в "
                       "базе, которые будут пропущены: 1.")));
    EXPECT_EQ(f.boxes.boxes[1].text,
              QStringLiteral("Добавлено: 1. Пропущено как возможные дубликаты: 1. Сохранено не "
                             "полностью: 0."));
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord(QStringLiteral("Старый")),
                                        makeRecord(QStringLiteral("Новикова Анна"), "",
                                                   QStringLiteral("+7 900 111"))}));
    EXPECT_EQ(w.ui.fio->text(), QStringLiteral("Старый"));
    // With two records the way to the second is open.
    EXPECT_TRUE(w.ui.next->isEnabled());
    EXPECT_TRUE(w.ui.last->isEnabled());
}

TEST_F(ContactFileImportTest, AnEmptyBaseGetsItsFirstRecordsOnShow) {
    TForm1& w = open({});
    importFile(writeCards(kTwoCards));
    EXPECT_EQ(record_fixture::namesIn(f.dataBytes()),
              (QStringList{QStringLiteral("Новикова Анна"), QStringLiteral("Старый")}));
    EXPECT_EQ(w.ui.fio->text(), QStringLiteral("Новикова Анна"));
    EXPECT_TRUE(w.ui.delete_->isEnabled());
}

TEST_F(ContactFileImportTest, ANoChangesNothing) {
    open({makeRecord("A")});
    f.boxes.answer = [](const ShownBox&) {
        return false;
    };
    importFile(writeCards(kTwoCards));
    EXPECT_EQ(f.boxes.boxes.size(), 1);
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord("A")}));
}

TEST_F(ContactFileImportTest, AFileWithoutContactsOrUnreadableIsANotice) {
    open({makeRecord("A")});
    importFile(writeCards("no cards here"));
    importFile(f.folder.filePath("missing.vcf"));
    EXPECT_EQ(
        f.boxes.texts(ShownBox::Message),
        (QStringList{QStringLiteral("В файле «%1» нет контактов.").arg(f.folder.filePath("in.vcf")),
                     QStringLiteral("Не удалось прочитать файл «%1»: файл не найден")
                         .arg(f.folder.filePath("missing.vcf"))}));
    EXPECT_EQ(f.dataBytes(), fileBytes({makeRecord("A")}));
}

} // namespace
