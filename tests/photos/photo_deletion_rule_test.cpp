// The rule "Удалить" relies on: only the program's own photo copies are ever deleted.
#include "photos/photo_files.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(PhotoDeletionRule, OnlyJpgFilesDirectlyInTheImagesFolderAreDeleted) {
    TestFolder dir;
    QDir(dir.path()).mkpath("images/sub");
    QDir(dir.path()).mkpath("imagesX");
    const QString images = dir.filePath("images");
    const QStringList files = {"images/a.jpg", "images/sub/b.jpg", "images/c.png",
                               "images/d.JPG", "imagesX/e.jpg",    "f.jpg"};
    for (const QString& name : files)
        dir.writeBytes(name, "x");

    // A folder whose name only begins like the images folder, a way out through "..",
    // another extension, a sub-folder, and no images folder at all.
    for (const QString& path :
         {dir.filePath("imagesX/e.jpg"), images + "/../f.jpg", dir.filePath("images/c.png"),
          dir.filePath("images/d.JPG"), dir.filePath("images/sub/b.jpg")})
        photos::deleteOwnPhotoFile(path, images);
    photos::deleteOwnPhotoFile(dir.filePath("images/a.jpg"), QString());
    for (const QString& name : files)
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name.toStdString();

    photos::deleteOwnPhotoFile(dir.filePath("images/a.jpg"), images + "/");
    EXPECT_FALSE(QFile::exists(dir.filePath("images/a.jpg")));
    photos::deleteOwnPhotoFile(dir.filePath("images/gone.jpg"), images); // no error
}

TEST(PhotoDeletionRule, ALinkInTheFolderGoesButNotTheFileItNames) {
    TestFolder dir;
    QDir(dir.path()).mkpath("images");
    dir.writeBytes("outside.jpg", "x");
    ASSERT_TRUE(QFile::link(dir.filePath("outside.jpg"), dir.filePath("images/link.jpg")));
    photos::deleteOwnPhotoFile(dir.filePath("images/link.jpg"), dir.filePath("images"));
    EXPECT_TRUE(QFile::exists(dir.filePath("outside.jpg")));
}

} // namespace
