#include "app/main_window.h"

#include "platform/message_box_recorder.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

class MainWindowStart : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TForm1& start() {
        m_form = std::make_unique<TForm1>();
        return *m_form;
    }

    // The names of the buttons and controls that are enabled, among those the record
    // operations switch.
    QStringList enabledControls() const {
        QStringList names;
        for (const char* name :
             {"new", "save", "delete", "search", "print", "ToolButton5", "ToolButton1",
              "suiComboBox1", "first", "previous", "next", "last", "suiButton1", "suiButton2",
              "suiButton3", "suiButton4", "suiButton5"}) {
            auto* widget = m_form->findChild<QWidget*>(name);
            EXPECT_NE(widget, nullptr) << name;
            if (widget && widget->isEnabled())
                names << name;
        }
        return names;
    }

    TestFolder folder;
    platform::MessageBoxRecorder boxes;
    std::unique_ptr<TForm1> m_form;
};

QImage gradientPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    return image;
}

} // namespace

TEST_F(MainWindowStart, AnEmptyFolderGetsAnEmptyBaseAndOnlyTheAlwaysUsableButtons) {
    TForm1& form = start();
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Baza.dat")));
    EXPECT_EQ(QFileInfo(folder.filePath("Baza.dat")).size(), 0);
    EXPECT_EQ(form.ui.Label6->text(), "Запись № 0");
    EXPECT_EQ(form.ui.Label7->text(), "Всего записей: 0");
    EXPECT_EQ(form.ui.Label10->text(), "");
    EXPECT_EQ(enabledControls(), (QStringList{"new", "print", "ToolButton5", "suiButton1"}));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowStart, OneRecordIsShownWithBackwardNavigationEnabled) {
    folder.writeRecords("Baza.dat", {makeRecord(QStringLiteral("Иванов"), "Moskva", "123", "Zavod",
                                                "i@example.org")});
    TForm1& form = start();
    EXPECT_EQ(form.ui.fio->text(), QStringLiteral("Иванов"));
    EXPECT_EQ(form.ui.adres->text(), "Moskva");
    EXPECT_EQ(form.ui.tel->text(), "123");
    EXPECT_EQ(form.ui.rabota->text(), "Zavod");
    EXPECT_EQ(form.ui.email->text(), "i@example.org");
    EXPECT_EQ(form.ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(form.ui.Label7->text(), "Всего записей: 1");
    EXPECT_EQ(form.ui.Label10->text(), "0,49 Kb");
    EXPECT_EQ(enabledControls(),
              (QStringList{"new", "delete", "print", "ToolButton5", "first", "previous",
                           "suiButton1", "suiButton3", "suiButton4"}));
    // The size is measured on a copy of the base.
    EXPECT_EQ(folder.readBytes("Baza1.dat"), folder.readBytes("Baza.dat"));
}

TEST_F(MainWindowStart, SeveralRecordsShowRecordOneWithForwardNavigationAndSearch) {
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B"), makeRecord("C")});
    TForm1& form = start();
    EXPECT_EQ(form.ui.fio->text(), "A");
    EXPECT_EQ(form.state().index, 0);
    EXPECT_EQ(form.ui.Label6->text(), "Запись № 1");
    EXPECT_EQ(form.ui.Label7->text(), "Всего записей: 3");
    EXPECT_EQ(form.ui.Label10->text(), "1,49 Kb");
    EXPECT_EQ(enabledControls(),
              (QStringList{"new", "delete", "search", "print", "ToolButton5", "next", "last",
                           "suiButton1", "suiButton3", "suiButton4"}));
}

TEST_F(MainWindowStart, EveryKeyInAnEditEnablesChange) {
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B")});
    TForm1& form = start();
    const QList<std::pair<QLineEdit*, Qt::Key>> presses = {{form.ui.fio, Qt::Key_Shift},
                                                           {form.ui.adres, Qt::Key_Left},
                                                           {form.ui.tel, Qt::Key_5},
                                                           {form.ui.rabota, Qt::Key_Escape},
                                                           {form.ui.email, Qt::Key_A}};
    for (const auto& [edit, key] : presses) {
        form.ui.suiButton2->setEnabled(false);
        QTest::keyClick(edit, key);
        EXPECT_TRUE(form.ui.suiButton2->isEnabled()) << edit->objectName().toStdString();
    }
}

TEST_F(MainWindowStart, EscapeInTheNameReturnsToRecordOne) {
    folder.writeRecords("Baza.dat", {makeRecord("A"), makeRecord("B"), makeRecord("C")});
    TForm1& form = start();
    form.ui.fio->setText("typed");
    form.state().index = 2;
    form.ui.save->setEnabled(true);
    form.ui.new_->setEnabled(false);
    form.ui.next->setEnabled(false);

    QTest::keyClick(form.ui.fio, Qt::Key_Escape);
    EXPECT_EQ(form.ui.fio->text(), "A");
    EXPECT_EQ(form.state().index, 0);
    EXPECT_EQ(form.ui.Label6->text(), "Запись № 1");
    EXPECT_TRUE(form.ui.next->isEnabled());
    EXPECT_TRUE(form.ui.last->isEnabled());
    EXPECT_FALSE(form.ui.save->isEnabled());
    EXPECT_TRUE(form.ui.new_->isEnabled());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(MainWindowStart, EscapeWithAnEmptyBaseSaysItIsEmptyAndChangesNothingElse) {
    TForm1& form = start();
    const QStringList before = enabledControls();
    QTest::keyClick(form.ui.fio, Qt::Key_Escape);
    EXPECT_EQ(boxes.texts(platform::ShownBox::Message), QStringList{"В базе нет записей"});
    EXPECT_TRUE(boxes.texts(platform::ShownBox::Error).isEmpty());
    QStringList expected = before;
    expected.insert(expected.indexOf("suiButton1") + 1, "suiButton2"); // the key went down
    EXPECT_EQ(enabledControls(), expected);
    EXPECT_EQ(form.ui.Label6->text(), "Запись № 0");
}

TEST_F(MainWindowStart, ABaseThatCannotBeOpenedIsReportedAndOnlyARestoreIsOffered) {
    // A folder in place of the data file cannot be opened for reading and writing.
    QDir(folder.path()).mkdir("Baza.dat");
    TForm1& form = start();
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList{"File access denied"});
    // Nothing can be stored without a base; a restore can bring one.
    EXPECT_FALSE(form.ui.new_->isEnabled());
    EXPECT_TRUE(form.ui.N3->isEnabled());

    // A key that reads a record says in words that no base is open, not by the runtime's
    // number.
    boxes.boxes.clear();
    QTest::keyClick(form.ui.fio, Qt::Key_Escape);
    EXPECT_EQ(boxes.texts(platform::ShownBox::Error), QStringList{"База не открыта"});
}

TEST_F(MainWindowStart, PhotosAreScaledIntoTheBoxAndClearedWhenTheNextPathIsMissing) {
    const QString big = folder.filePath("big.jpg");
    const QString small = folder.filePath("small.jpg");
    ASSERT_TRUE(gradientPicture(290, 121).save(big, "JPG"));
    ASSERT_TRUE(gradientPicture(40, 30).save(small, "JPG"));
    folder.writeRecords("Baza.dat", {makeRecord("A", "", "", "", "", big),
                                     makeRecord("B", "", "", "", "", folder.filePath("gone.jpg")),
                                     makeRecord("C"), makeRecord("D", "", "", "", "", small)});
    TForm1& form = start();
    EXPECT_EQ(form.ui.Image1->pixmap().size(), QSize(145, 60));
    EXPECT_EQ(form.photoPanelText(), big);

    // A path that names no file shows no picture, as no photo does; the panel keeps the
    // previous path.
    form.state().file.seek(1);
    form.state().file.read(form.state().buffer);
    form.state().index = 1;
    form.ShowRecord();
    EXPECT_TRUE(form.ui.Image1->pixmap().isNull());
    EXPECT_EQ(form.photoPanelText(), big);

    // No photo clears the picture but not the panel.
    form.state().file.read(form.state().buffer);
    form.state().index = 2;
    form.ShowRecord();
    EXPECT_TRUE(form.ui.Image1->pixmap().isNull());
    EXPECT_EQ(form.photoPanelText(), big);

    // A small picture keeps its own size.
    form.state().file.read(form.state().buffer);
    form.state().index = 3;
    form.ShowRecord();
    EXPECT_EQ(form.ui.Image1->pixmap().size(), QSize(40, 30));
    EXPECT_EQ(form.photoPanelText(), small);
}

TEST_F(MainWindowStart, ADamagedPhotoIsReportedAndTheRecordStillComesUp) {
    const QString broken = folder.filePath("broken.jpg");
    folder.writeBytes("broken.jpg", QByteArray("\xFF\xD8\xFF\xE0 not really a picture"));
    folder.writeRecords("Baza.dat", {makeRecord("A", "", "", "", "", broken), makeRecord("B")});
    TForm1& form = start();
    ASSERT_EQ(boxes.texts(platform::ShownBox::Error).size(), 1);
    EXPECT_TRUE(boxes.texts(platform::ShownBox::Error)[0].startsWith("JPEG error #"));
    EXPECT_EQ(form.ui.fio->text(), "A");
    EXPECT_TRUE(form.ui.Image1->pixmap().isNull());
    // The rest of the window is set, so the other records can be reached.
    EXPECT_EQ(form.ui.Label7->text(), "Всего записей: 2");
    EXPECT_EQ(form.ui.Label10->text(), "0,99 Kb");
    EXPECT_TRUE(form.ui.next->isEnabled());
}

TEST(MainWindowLayout, ControlsSitAtTheirPlaces) {
    TestFolder folder;
    TForm1 form;
    EXPECT_EQ(form.size(), QSize(486, 400));
    EXPECT_EQ(form.windowTitle(), "Записная книжка v 2.1b");
    // The window is sized around the stored 480 x 396 panel (3-pixel border on each side,
    // 3 + 1 below); the skinned form covers all of it but the border strips on the left,
    // right and bottom.
    EXPECT_EQ(form.ui.suiForm1->geometry(), QRect(3, 0, 480, 397));
    const struct {
        const char* name;
        QRect geometry;
    } places[] = {{"suiToolBar1", {0, 54, 169, 23}},
                  {"suiToolBar2", {168, 54, 305, 24}},
                  {"suiComboBox1", {0, 0, 265, 21}},
                  {"data", {8, 88, 297, 177}},
                  {"fio", {88, 24, 200, 19}},
                  {"email", {88, 120, 200, 19}},
                  {"suiButton2", {8, 144, 73, 21}},
                  {"suiButton1", {88, 144, 201, 21}},
                  {"suiGroupBox2", {8, 272, 297, 97}},
                  {"last", {152, 56, 137, 27}},
                  {"suiGroupBox4", {312, 272, 161, 97}},
                  {"suiGroupBox1", {312, 88, 161, 177}},
                  {"Image1", {8, 16, 145, 121}},
                  {"suiButton3", {48, 144, 65, 25}},
                  // Bottom-aligned: the stored 377 is one pixel up in the 397-pixel panel.
                  {"suiStatusBar1", {0, 378, 480, 19}}};
    for (const auto& place : places) {
        auto* widget = form.findChild<QWidget*>(place.name);
        ASSERT_NE(widget, nullptr) << place.name;
        EXPECT_EQ(widget->geometry(), place.geometry) << place.name;
    }
    // Tool buttons follow each other 25 pixels apart, with 8-pixel separators.
    EXPECT_EQ(form.ui.new_->x(), 0);
    EXPECT_EQ(form.ui.delete_->x(), 50);
    EXPECT_EQ(form.ui.search->x(), 83);
    EXPECT_EQ(form.ui.ToolButton5->x(), 141);
    EXPECT_EQ(form.ui.ToolButton1->x(), 273);
    EXPECT_EQ(form.ui.new_->toolTip(), "Новая запись");
    EXPECT_TRUE(form.ui.Button1->isHidden());
    EXPECT_TRUE(form.ui.Label9->isHidden());
}

TEST(MainWindowLayout, TheFileMenuListsItsItemsInOrder) {
    TestFolder folder;
    TForm1 form;
    QStringList captions;
    for (QAction* action : form.ui.N1->menu()->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"Загрузить резервную копию", "Создать резервную копию", "-",
                                     "Изменить путь", "Очистить базу", "Импорт контактов…",
                                     "Экспорт контактов…", "-", "Выход"}));
    EXPECT_EQ(form.ui.N1->text(), "Файл");
}

TEST_F(MainWindowStart, TheSizeCopyFollowsEveryChangeOfTheBase) {
    folder.writeRecords("Baza.dat", {makeRecord("A")});
    TForm1& form = start();
    EXPECT_EQ(form.ui.Label10->text(), "0,49 Kb");

    RecordState& records = form.state();
    records.file.seek(records.file.count());
    records.file.write(makeRecord("B"));
    form.ShowRecord();
    EXPECT_EQ(form.ui.Label10->text(), "0,99 Kb");
    EXPECT_EQ(folder.readBytes("Baza1.dat"), folder.readBytes("Baza.dat"));

    // A copy removed behind the program's back is made again.
    QFile::remove(folder.filePath("Baza1.dat"));
    form.ShowRecord();
    EXPECT_EQ(folder.readBytes("Baza1.dat"), folder.readBytes("Baza.dat"));
    EXPECT_EQ(form.ui.Label10->text(), "0,99 Kb");
}
