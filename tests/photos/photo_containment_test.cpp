// Which files the program counts as its own photos is decided by the file system, links
// followed, and a photo is deleted through the images folder without following links.
#include "photos/photo_files.h"
#include "support/test_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class PhotoContainment : public ::testing::Test {
protected:
    PhotoContainment() {
        QDir(folder.path()).mkpath("images");
        QDir(folder.path()).mkpath("elsewhere/deep");
        folder.writeBytes("elsewhere/victim.jpg", "not ours");
        folder.writeBytes("victim.jpg", "not ours either");
    }
    QString path(const QString& name) const { return folder.filePath(name); }
    QString images() const { return path("images"); }

    TestFolder folder;
};

TEST_F(PhotoContainment, ALinkedSubFolderDoesNotBringAFileInsideByItsText) {
    // <images>/sub/../victim.jpg reads as inside, but the system resolves sub first.
    ASSERT_TRUE(QFile::link(path("elsewhere/deep"), images() + "/sub"));
    const QString crafted = images() + "/sub/../victim.jpg";
    EXPECT_FALSE(photos::isOwnPhotoFile(crafted, images()));
    EXPECT_FALSE(photos::deleteOwnPhotoFile(crafted, images()));
    EXPECT_TRUE(QFile::exists(path("elsewhere/victim.jpg")));
    EXPECT_TRUE(QFile::exists(path("victim.jpg")));
}

TEST_F(PhotoContainment, TheImagesFolderMayItselfBeALinkOrBeNamedWithDots) {
    folder.writeBytes("images/own.jpg", "ours");
    ASSERT_TRUE(QFile::link(images(), path("pictures")));
    EXPECT_TRUE(photos::isOwnPhotoFile(images() + "/own.jpg", path("pictures")));
    EXPECT_TRUE(photos::isOwnPhotoFile(path("pictures/own.jpg"), images()));
    EXPECT_TRUE(photos::isOwnPhotoFile(path("elsewhere/../images/own.jpg"), images()));
    EXPECT_FALSE(photos::deleteOwnPhotoFile(path("pictures/own.jpg"), path("pictures/")));
    EXPECT_FALSE(QFile::exists(images() + "/own.jpg"));
    EXPECT_TRUE(QFile::exists(path("pictures"))); // the link to the folder stays
}

TEST_F(PhotoContainment, AFolderThatIsGoneOwnsNothing) {
    EXPECT_FALSE(photos::isOwnPhotoFile(path("gone/a.jpg"), path("gone")));
    EXPECT_FALSE(photos::deleteOwnPhotoFile(path("gone/a.jpg"), path("gone")));
}

} // namespace
