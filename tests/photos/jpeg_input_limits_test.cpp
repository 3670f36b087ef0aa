// Inputs that used to freeze the window: a file of thousands of scans, a FIFO or a
// device named like a photo, a file far larger than any photo. Each is refused with a
// message that says why, and none blocks.
#include "photos/jpeg_loader.h"
#include "photos/picture_error.h"
#include "support/blocking_guard.h"
#include "support/jpeg_fixture.h"
#include "support/test_folder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const photos::PictureError& error) {
        return QString::fromUtf8(error.what());
    }
    return QStringLiteral("no error");
}

QByteArray progressivePhoto() {
    return jpeg_fixture::encode(jpeg_fixture::markedPicture({300, 200}, Qt::green), 80, true);
}

TEST(JpegInputLimits, AFileOfThousandsOfScansIsStoppedWithAMessage) {
    const QByteArray crafted = jpeg_fixture::withRepeatedFirstScan(progressivePhoto(), 2000);
    for (const QSize box : {QSize(145, 121), QSize()})
        EXPECT_EQ(errorOf([&] { photos::decodeJpeg(crafted, box); }),
                  "Изображение не показано: в файле больше 256 проходов (сканов), так "
                  "фотографии не сохраняют.");
    // A few repeated scans are within what photos hold.
    const QByteArray fewMore = jpeg_fixture::withRepeatedFirstScan(progressivePhoto(), 5);
    EXPECT_EQ(photos::decodeJpeg(fewMore, QSize(145, 121)).image.size(), QSize(150, 100));
}

class JpegFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    TestFolder folder;
};

TEST_F(JpegFiles, AFifoOrADeviceIsRefusedWithoutWaiting) {
    ASSERT_TRUE(makeFifo(path("fifo.jpg").toLocal8Bit().constData()));
    ASSERT_TRUE(QFile::link("/dev/zero", path("zero.jpg")));
    for (const QString name : {"fifo.jpg", "zero.jpg"}) {
        ASSERT_TRUE(returnsWithoutBlocking([&] {
            try {
                photos::loadJpegFile(path(name), QSize(145, 121));
            } catch (const photos::PictureError&) {
            }
        })) << name.toStdString();
        EXPECT_EQ(errorOf([&] { photos::loadJpegFile(path(name)); }),
                  QStringLiteral("Изображение не показано: «%1» — не файл, а канал или "
                                 "устройство.")
                      .arg(path(name)));
    }
}

TEST_F(JpegFiles, AFileLargerThanTheCapIsNotRead) {
    // A sparse file: a photo's start, then nothing up to one byte past the cap.
    folder.writeBytes("huge.jpg", progressivePhoto());
    ASSERT_EQ(::truncate(path("huge.jpg").toLocal8Bit().constData(), (128 << 20) + 1), 0);
    EXPECT_EQ(
        errorOf([&] { photos::loadJpegFile(path("huge.jpg")); }),
        QStringLiteral("Изображение не показано: файл «%1» больше 128 МБ.").arg(path("huge.jpg")));
}

} // namespace
