#include "photos/photo_files.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(PhotoFilesTest, OnlyJpgFilesInsideTheImagesFolderAreOwn) {
    TestFolder dir;
    QDir(dir.path()).mkpath("images/sub");
    QDir(dir.path()).mkpath("imagesX");
    const QString images = dir.filePath("images");
    for (const char* name : {"images/a.jpg", "images/sub/b.jpg", "images/c.png", "images/d.JPG",
                             "imagesX/e.jpg", "f.jpg"})
        dir.writeBytes(name, "x");

    EXPECT_TRUE(isOwnPhotoFile(dir.filePath("images/a.jpg"), images));
    EXPECT_TRUE(isOwnPhotoFile(dir.filePath("images/sub/b.jpg"), images));
    EXPECT_TRUE(isOwnPhotoFile(dir.filePath("images/a.jpg"), images + "/"));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/c.png"), images));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/d.JPG"), images));
    // A folder whose name only begins like the images folder, a way out through "..",
    // a file outside, a missing file, and no images folder at all.
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("imagesX/e.jpg"), images));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/../f.jpg"), images));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("f.jpg"), images));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/gone.jpg"), images));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/a.jpg"), QString()));
    EXPECT_FALSE(isOwnPhotoFile(QString(), images));
}

TEST(PhotoFilesTest, ALinkInsideTheFolderToAFileOutsideIsNotOwn) {
    TestFolder dir;
    QDir(dir.path()).mkpath("images");
    dir.writeBytes("outside.jpg", "x");
    ASSERT_TRUE(QFile::link(dir.filePath("outside.jpg"), dir.filePath("images/link.jpg")));
    EXPECT_FALSE(isOwnPhotoFile(dir.filePath("images/link.jpg"), dir.filePath("images")));
}

} // namespace
