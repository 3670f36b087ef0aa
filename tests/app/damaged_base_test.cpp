// A damaged or foreign Baza.dat must open without a crash, show what it holds and never
// read one field into another.
#include "app/main_window.h"

#include "platform/message_box_recorder.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

TEST(DamagedBase, RandomBytesOpenAndEveryRecordCanBeShown) {
    QRandomGenerator random(20261208);
    for (int size : {0, 1, 510, 511, 512, 1100, 5 * 511}) {
        TestFolder folder;
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(256));
        folder.writeBytes("Baza.dat", bytes);
        platform::MessageBoxRecorder boxes;
        TForm1 form;
        const int records = size / 511;
        EXPECT_EQ(form.ui.Label7->text(), QStringLiteral("Всего записей: %1").arg(records)) << size;
        for (int i = 0; i < records; ++i) {
            form.state().index = i;
            form.state().file.seek(i);
            form.state().file.read(form.state().buffer);
            form.ShowRecord();
            EXPECT_LE(form.ui.fio->text().size(), 50);
            EXPECT_LE(form.ui.email->text().size(), 50);
        }
        // A photo path of random bytes names no file, so no error is shown.
        EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.texts().join("; ").toStdString();
        EXPECT_EQ(folder.readBytes("Baza.dat"), bytes) << "opening must not change the file";
    }
}

TEST(DamagedBase, LengthBytesOfTwoHundredFiftyFiveStayInsideTheirFields) {
    TestFolder folder;
    QByteArray bytes(511, 'x');
    for (int offset : {0, 51, 102, 153, 204, 255})
        bytes[offset] = char(255);
    bytes.replace(52, 5, "ADRES");
    folder.writeBytes("Baza.dat", bytes);
    platform::MessageBoxRecorder boxes;
    TForm1 form;
    EXPECT_EQ(form.ui.fio->text(), QString(50, 'x'));
    EXPECT_EQ(form.ui.adres->text(), QStringLiteral("ADRES") + QString(45, 'x'));
    EXPECT_EQ(form.ui.email->text().size(), 50);
}
