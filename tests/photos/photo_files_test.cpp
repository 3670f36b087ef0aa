#include "photos/photo_files.h"
#include "support/jpeg_fixture.h"
#include "support/photo_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace photos;

TEST(PhotoFiles, ThePathJoinsFolderNameAndExtensionUnchecked) {
    EXPECT_EQ(photoPath("/data/photos", "Иванов И.И."), "/data/photos/Иванов И.И..jpg");
    EXPECT_EQ(photoPath("/data/photos", "Иванов", 2), "/data/photos/Иванов (2).jpg");
    EXPECT_EQ(photoPath("/data/photos", "Иванов", 1), "/data/photos/Иванов.jpg");
    EXPECT_EQ(photoPath("/data/photos", ""), "/data/photos/.jpg");
    EXPECT_EQ(photoPath("", "Петров"), "/Петров.jpg");
    EXPECT_EQ(photoPath("/data/photos/", "a"), "/data/photos//a.jpg");
    EXPECT_EQ(photoPath("/p", "../x"), "/p/../x.jpg");
}

TEST(PhotoFiles, NamesThatLeaveTheFolderAreRefused) {
    EXPECT_TRUE(isStorableName("/p", "Иванов"));
    EXPECT_FALSE(isStorableName("/p", "")); // it would make a hidden ".jpg"
    EXPECT_TRUE(isStorableName("/p", "..."));
    EXPECT_TRUE(isStorableName("/p", "a\\b"));
    EXPECT_FALSE(isStorableName("/p", "."));
    EXPECT_FALSE(isStorableName("/p", ".."));
    EXPECT_FALSE(isStorableName("/p", "../../etc/passwd"));
    EXPECT_FALSE(isStorableName("/p", "sub/name"));
    EXPECT_FALSE(isStorableName("/p", QString("a") + QChar(0) + "b"));
    EXPECT_FALSE(isStorableName("", "Петров"));
}

TEST(PhotoFiles, CopyReplacesTheNamedFileAndReturnsWhyItFailed) {
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

    EXPECT_FALSE(copyPhoto(first, folder, "Иванов"));
    EXPECT_EQ(contents(folder + "/Иванов.jpg"), firstBytes);
    EXPECT_FALSE(copyPhoto(second, folder, "Иванов"));
    EXPECT_EQ(contents(folder + "/Иванов.jpg"), secondBytes);
    // The target itself: it stays as it is.
    EXPECT_FALSE(copyPhoto(folder + "/Иванов.jpg", folder, "Иванов"));
    EXPECT_EQ(contents(folder + "/Иванов.jpg"), secondBytes);
    // The second record of a name has its own file.
    EXPECT_FALSE(copyPhoto(first, folder, "Иванов", 2));
    EXPECT_EQ(contents(folder + "/Иванов (2).jpg"), firstBytes);

    // Refused names write nowhere, least of all beside the folder.
    const std::error_code refused = std::make_error_code(std::errc::invalid_argument);
    EXPECT_EQ(copyPhoto(first, folder, "../escaped"), refused);
    EXPECT_EQ(copyPhoto(first, folder, ".."), refused);
    EXPECT_EQ(copyPhoto(first, "", "x"), refused);
    EXPECT_EQ(copyPhoto(first, folder, ""), refused);
    EXPECT_FALSE(QFile::exists(dir.filePath("escaped.jpg")));
    EXPECT_FALSE(QFile::exists(folder + "/...jpg"));
    // A missing folder or a missing source: the error, and no file made.
    EXPECT_EQ(copyPhoto(first, dir.filePath("absent"), "x"),
              std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_EQ(copyPhoto(dir.filePath("absent.jpg"), folder, "y"),
              std::make_error_code(std::errc::no_such_file_or_directory));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Иванов (2).jpg", "Иванов.jpg"}));
}

TEST(PhotoFiles, OnlyJpgFilesDirectlyInTheImagesFolderAreOwn) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("images");
    EXPECT_FALSE(isOwnPhotoFile(folder + "/a.jpg", folder)); // no folder, nothing in it
    QDir().mkpath(folder);
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
    EXPECT_TRUE(isOwnPhotoFile(QDir::current().relativeFilePath(folder + "/a.jpg"), folder));
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

    EXPECT_FALSE(deleteOwnPhotoFile(own, folder));
    EXPECT_FALSE(QFile::exists(own));
    // Gone already, in a folder that is gone, or no path at all: nothing fails.
    EXPECT_FALSE(deleteOwnPhotoFile(own, folder));
    EXPECT_FALSE(deleteOwnPhotoFile(dir.filePath("gone/a.jpg"), dir.filePath("gone")));
    EXPECT_FALSE(deleteOwnPhotoFile("", folder));
}
