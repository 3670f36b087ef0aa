#include "photos/photo_files.h"
#include "support/jpeg_fixture.h"
#include "support/photo_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace photo_files;

TEST(PhotoFiles, ThePathJoinsFolderNameAndExtensionUnchecked) {
    EXPECT_EQ(photoPath("/data/photos", "Иванов И.И."), "/data/photos/Иванов И.И..jpg");
    EXPECT_EQ(photoPath("/data/photos", ""), "/data/photos/.jpg");
    EXPECT_EQ(photoPath("", "Петров"), "/Петров.jpg");
    EXPECT_EQ(photoPath("/data/photos/", "a"), "/data/photos//a.jpg");
    EXPECT_EQ(photoPath("/p", "../x"), "/p/../x.jpg");
}

TEST(PhotoFiles, NamesThatLeaveTheFolderAreRefused) {
    EXPECT_TRUE(isStorableName("/p", "Иванов"));
    EXPECT_TRUE(isStorableName("/p", ""));
    EXPECT_TRUE(isStorableName("/p", "..."));
    EXPECT_TRUE(isStorableName("/p", "a\\b"));
    EXPECT_FALSE(isStorableName("/p", "."));
    EXPECT_FALSE(isStorableName("/p", ".."));
    EXPECT_FALSE(isStorableName("/p", "../../etc/passwd"));
    EXPECT_FALSE(isStorableName("/p", "sub/name"));
    EXPECT_FALSE(isStorableName("/p", QString("a") + QChar(0) + "b"));
    EXPECT_FALSE(isStorableName("", "Петров"));
}

TEST(PhotoFiles, CopyReplacesTheNamedFileAndFailsSilently) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("images");
    QDir().mkpath(folder);
    const QString first = dir.filePath("first.jpg");
    const QString second = dir.filePath("second.jpg");
    const QByteArray firstBytes = jpeg_fixture::writeFile(first, {20, 20}, Qt::red);
    const QByteArray secondBytes = jpeg_fixture::writeFile(second, {30, 30}, Qt::blue);
    auto contents = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    copyPhoto(first, folder, "");
    EXPECT_EQ(contents(folder + "/.jpg"), firstBytes);
    copyPhoto(second, folder, "");
    EXPECT_EQ(contents(folder + "/.jpg"), secondBytes);

    // Refused names write nowhere, least of all beside the folder.
    copyPhoto(first, folder, "../escaped");
    copyPhoto(first, folder, "..");
    EXPECT_FALSE(QFile::exists(dir.filePath("escaped.jpg")));
    EXPECT_FALSE(QFile::exists(folder + "/...jpg"));
    // A missing folder, a missing source, the target itself: nothing thrown.
    copyPhoto(first, dir.filePath("absent"), "x");
    copyPhoto(dir.filePath("absent.jpg"), folder, "y");
    EXPECT_FALSE(QFile::exists(folder + "/y.jpg"));
    copyPhoto(folder + "/.jpg", folder, "");
    EXPECT_EQ(contents(folder + "/.jpg"), secondBytes);
}

TEST(PhotoFiles, OnlyJpgFilesDirectlyInTheImagesFolderAreOwn) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("images");
    EXPECT_TRUE(isOwnPhotoFile(folder + "/a.jpg", folder));
    EXPECT_TRUE(isOwnPhotoFile(folder + "//.jpg", folder + "/"));
    EXPECT_TRUE(isOwnPhotoFile(folder + "/./b.jpg", folder));
    EXPECT_FALSE(isOwnPhotoFile(folder + "/a.JPG", folder));
    EXPECT_FALSE(isOwnPhotoFile(folder + "/a.png", folder));
    EXPECT_FALSE(isOwnPhotoFile(folder + "/sub/a.jpg", folder));
    EXPECT_FALSE(isOwnPhotoFile(folder + "/../a.jpg", folder));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images2/a.jpg"), folder));
    EXPECT_FALSE(isOwnPhotoFile("/etc/a.jpg", folder));
    EXPECT_FALSE(isOwnPhotoFile("", folder));
    EXPECT_FALSE(isOwnPhotoFile("/a.jpg", ""));
    // Relative paths count from the working folder, like the file operations.
    EXPECT_TRUE(isOwnPhotoFile("images/a.jpg", QDir::current().filePath("images")));
}

TEST(PhotoFiles, DeletesOnlyItsOwnPhotos) {
    TestFolder dir;
    const QString folder = dir.filePath("images");
    QDir().mkpath(folder + "/folder.jpg");
    const QString own = folder + "/Иванов.jpg";
    const QString outside = dir.filePath("outside.jpg");
    const QString other = folder + "/notes.txt";
    for (const char* name : {"images/Иванов.jpg", "outside.jpg", "images/notes.txt"})
        dir.writeBytes(QString::fromUtf8(name), "x");

    deleteOwnPhotoFile(outside, folder);
    deleteOwnPhotoFile(folder + "/../outside.jpg", folder);
    deleteOwnPhotoFile(other, folder);
    deleteOwnPhotoFile(folder + "/folder.jpg", folder);
    deleteOwnPhotoFile(outside, "");
    EXPECT_TRUE(QFile::exists(outside));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_TRUE(QDir(folder + "/folder.jpg").exists());

    deleteOwnPhotoFile(own, folder);
    EXPECT_FALSE(QFile::exists(own));
    // Gone already, or no path at all: nothing happens.
    deleteOwnPhotoFile(own, folder);
    deleteOwnPhotoFile("", folder);
}
