#include "skin/themes/theme_file_reader.h"
#include "support/theme_tool.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class KalmoThemeToolTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void writeText(const QString& name, const QByteArray& text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir dir;
};

TEST_F(KalmoThemeToolTest, BuildsAThemeFromBitmapsAndValues) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("look")));
    QImage face(30, 10, QImage::Format_RGB32);
    face.fill(QColor(10, 200, 30));
    face.setPixel(0, 0, qRgb(255, 0, 255));
    ASSERT_TRUE(face.save(path(QStringLiteral("look/buttonimage.BMP")), "BMP"));
    writeText(QStringLiteral("look/values.txt"), "# my look\n"
                                                 "FormBackgroundColor = #EFEBDE\n"
                                                 "TitleBarButtonRightOffsetInt=-2\n"
                                                 "ButtonTransparentBool=True\n"
                                                 "titlebarbuttontransparentbool=2\n"
                                                 "FormBorderColor=14609391\n");
    QString errors;
    ASSERT_EQ(runKalmoTheme({QStringLiteral("build"), path(QStringLiteral("look")),
                             path(QStringLiteral("look.theme"))},
                            &errors),
              0)
        << errors.toStdString();
    EXPECT_TRUE(errors.contains(QStringLiteral("no TitleBarButtonImage.bmp")));

    const TsuiThemeFileReader reader(path(QStringLiteral("look.theme")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormBackgroundColor")), 14609391);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormBorderColor")), 14609391);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("TitleBarButtonRightOffsetInt")), -2);
    EXPECT_TRUE(reader.FindBoolean(QStringLiteral("ButtonTransparentBool")));
    EXPECT_TRUE(reader.FindBoolean(QStringLiteral("TitleBarButtonTransparentBool"))); // 2
    EXPECT_EQ(reader.FindInteger(QStringLiteral("TitleBarButtonTransparentBool")), -1);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormMinWidthInt")), -1);
    const std::optional<QByteArray> bmp = reader.FindImage(QStringLiteral("ButtonImage"));
    ASSERT_TRUE(bmp.has_value());
    QImage back;
    ASSERT_TRUE(back.loadFromData(*bmp, "BMP"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), face);
}

TEST_F(KalmoThemeToolTest, AnEmptyFolderGivesAThemeWithAnEmptyChain) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("empty")));
    const QString out = path(QStringLiteral("empty.theme"));
    ASSERT_EQ(runKalmoTheme({QStringLiteral("build"), path(QStringLiteral("empty")), out}), 0);
    EXPECT_EQ(QFile(out).size(), 41 + 77); // the header and the terminating record
    const TsuiThemeFileReader reader(out);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormMinWidthInt")), -1);
    EXPECT_FALSE(reader.FindBoolean(QStringLiteral("ButtonTransparentBool")));
    EXPECT_FALSE(reader.FindImage(QStringLiteral("ButtonImage")).has_value());
}

TEST_F(KalmoThemeToolTest, RefusesWhatItCannotWriteFaithfully) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("bad")));
    const QString out = path(QStringLiteral("out.theme"));
    const QStringList build = {QStringLiteral("build"), path(QStringLiteral("bad")), out};
    QString errors;
    writeText(QStringLiteral("bad/values.txt"), "FormMinWidthInt=wide\n");
    EXPECT_EQ(runKalmoTheme(build, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("FormMinWidthInt")));
    writeText(QStringLiteral("bad/values.txt"), "NotAKey=1\n");
    EXPECT_EQ(runKalmoTheme(build), 1);
    writeText(QStringLiteral("bad/values.txt"), "FormMinWidthInt=1\nformminwidthint=2\n");
    EXPECT_EQ(runKalmoTheme(build), 1);
    writeText(QStringLiteral("bad/values.txt"), "ButtonImage=x.bmp\n");
    EXPECT_EQ(runKalmoTheme(build), 1);
    writeText(QStringLiteral("bad/values.txt"), "");
    writeText(QStringLiteral("bad/ButtonImage.bmp"), "not a bitmap");
    EXPECT_EQ(runKalmoTheme(build), 1);
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(runKalmoTheme({QStringLiteral("dump"), QStringLiteral("Aqua"), out}), 1);
    EXPECT_EQ(runKalmoTheme({QStringLiteral("dump"), QStringLiteral("WinXP"),
                             path(QStringLiteral("no/such/folder/x.theme"))}),
              1);
    EXPECT_EQ(runKalmoTheme({QStringLiteral("paint")}), 2);
}

TEST_F(KalmoThemeToolTest, ContactSheetIsAPictureOfEveryStyle) {
    const QString sheet = path(QStringLiteral("sheet.png"));
    ASSERT_EQ(runKalmoTheme({QStringLiteral("contact-sheet"), sheet}), 0);
    QImage image(sheet);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1600);
    EXPECT_GT(image.height(), 1500);
}

} // namespace
