#include "fake_skinned_control.h"
#include "skin/themes/file_theme.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/theme_elements.h"
#include "support/theme_tool.h"
#include "theme_file_bytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

namespace E = ThemeElement;

class FileThemeTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(FileThemeTest, NothingLoadedGivesZeroFalseAndLeavesBitmapsAlone) {
    TsuiFileTheme theme;
    EXPECT_FALSE(theme.CanUse());
    EXPECT_TRUE(theme.ThemeFile().isEmpty());
    EXPECT_EQ(theme.GetColor(E::FormBackgroundColor).value, 0u);
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), 0);
    EXPECT_FALSE(theme.GetBool(E::ButtonTransparentBool));
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QImage before = image;
    theme.GetBitmap(E::ButtonImage, image);
    theme.GetBitmap(E::ButtonImage, image, 1, 3);
    EXPECT_EQ(image, before);
}

TEST_F(FileThemeTest, LoadedThemeAnswersByElementNumber) {
    dumpStyle(QStringLiteral("WinXP"), path(QStringLiteral("xp.theme")));
    TsuiFileTheme theme;
    theme.setThemeFile(path(QStringLiteral("xp.theme")));
    ASSERT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), path(QStringLiteral("xp.theme")));
    EXPECT_EQ(theme.GetColor(E::FormBackgroundColor), TColor::fromHex(0xEFEBDE));
    EXPECT_EQ(theme.GetInt(E::TitleBarButtonRightOffsetInt), -2);
    EXPECT_FALSE(theme.GetBool(E::ButtonTransparentBool));
    QImage hoveredClose;
    theme.GetBitmap(E::TitleBarButtonImage, hoveredClose, 17, 18);
    EXPECT_EQ(hoveredClose, loadSkinResource("WINXP_TITLEBTN").copy(16 * 21, 0, 21, 21));
    QImage face;
    theme.GetBitmap(E::ButtonImage, face);
    EXPECT_EQ(face.size(), QSize(54, 21));
}

TEST_F(FileThemeTest, AbsentKeysGiveMinusOneAndFalse) {
    ThemeFileBytes f(41);
    f.record(41, "ButtonTransparentBool", 2, 200, 1, 118);
    f.record(118, "", 0, 0, 0, 0);
    f.data(200, QByteArray(1, '\x02'));
    f.save(path(QStringLiteral("partial")));
    TsuiFileTheme theme;
    theme.setThemeFile(path(QStringLiteral("partial")));
    EXPECT_TRUE(theme.GetBool(E::ButtonTransparentBool)); // 2 reads as True
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), -1);
    EXPECT_EQ(theme.GetColor(E::FormBorderColor).value, 0xFFFFFFFFu);
    EXPECT_FALSE(theme.GetBool(E::TitleBarButtonTransparentBool));
    QImage untouched(1, 1, QImage::Format_RGB32);
    untouched.fill(Qt::blue);
    theme.GetBitmap(E::ButtonImage, untouched);
    EXPECT_EQ(untouched.pixel(0, 0), QColor(Qt::blue).rgb());
}

// The 54-byte head of a 24-bit BMP file of the given size, without its pixels.
QByteArray bmpHead(qint32 width, qint32 height) {
    QByteArray head(54, '\0');
    head[0] = 'B';
    head[1] = 'M';
    qToLittleEndian<quint32>(54, head.data() + 10);
    qToLittleEndian<quint32>(40, head.data() + 14);
    qToLittleEndian<qint32>(width, head.data() + 18);
    qToLittleEndian<qint32>(height, head.data() + 22);
    qToLittleEndian<quint16>(1, head.data() + 26);
    qToLittleEndian<quint16>(24, head.data() + 28);
    return head;
}

TEST_F(FileThemeTest, BitmapsThatAreNoBmpOrHugeLeaveTheTargetAlone) {
    ThemeFileBytes f(41);
    const QByteArray huge = bmpHead(40000, 40000);
    f.record(41, "ButtonImage", 0, 300, quint32(huge.size()), 118);
    f.record(118, "CheckBoxImage", 0, 400, 9, 195);
    f.record(195, "", 0, 0, 0, 0);
    f.data(300, huge);
    f.data(400, "not a bmp");
    f.save(path(QStringLiteral("odd-images")));
    TsuiFileTheme theme;
    theme.setThemeFile(path(QStringLiteral("odd-images")));
    ASSERT_TRUE(theme.CanUse());
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::yellow);
    const QImage before = target;
    theme.GetBitmap(E::ButtonImage, target);
    theme.GetBitmap(E::CheckBoxImage, target);
    theme.GetBitmap(E::ButtonImage, target, 1, 3);
    EXPECT_EQ(target, before);
}

TEST_F(FileThemeTest, SameValueIsNotReloadedAndMissingFilesChangeNothing) {
    const QString file = path(QStringLiteral("look.theme"));
    dumpStyle(QStringLiteral("WinXP"), file);
    TsuiFileTheme theme;
    theme.setThemeFile(file);
    dumpStyle(QStringLiteral("Protein"), file); // changed on disk
    theme.setThemeFile(file);
    EXPECT_EQ(theme.GetColor(E::FormBackgroundColor), TColor::fromHex(0xEFEBDE));

    theme.setThemeFile(path(QStringLiteral("nowhere/none.theme")));
    EXPECT_EQ(theme.ThemeFile(), file);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetColor(E::FormBackgroundColor), TColor::fromHex(0xEFEBDE));

    TsuiFileTheme fresh;
    fresh.setThemeFile(path(QStringLiteral("none.theme")));
    EXPECT_FALSE(fresh.CanUse());
    EXPECT_TRUE(fresh.ThemeFile().isEmpty());
}

TEST_F(FileThemeTest, BareNameIsFoundBesideTheExecutable) {
    const QString name =
        QStringLiteral("kalmo-test-%1.theme").arg(QCoreApplication::applicationPid());
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    dumpStyle(QStringLiteral("BlueGlass"), beside);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TsuiFileTheme theme;
    theme.setThemeFile(name);
    QDir::setCurrent(previous);
    QFile::remove(beside);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), beside);
    EXPECT_EQ(theme.GetInt(E::FormMinWidthInt), 270);
}

TEST_F(FileThemeTest, UnreadableFileThrowsAndKeepsThePreviousTheme) {
    const QString good = path(QStringLiteral("good.theme"));
    dumpStyle(QStringLiteral("DeepBlue"), good);
    QFile bad(path(QStringLiteral("bad.theme")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a theme");
    bad.close();

    TsuiFileTheme theme;
    EXPECT_THROW(theme.setThemeFile(bad.fileName()), ThemeFileError);
    EXPECT_FALSE(theme.CanUse());
    EXPECT_TRUE(theme.ThemeFile().isEmpty());

    theme.setThemeFile(good);
    EXPECT_THROW(theme.setThemeFile(bad.fileName()), ThemeFileError);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.ThemeFile(), good);
    EXPECT_EQ(theme.GetColor(E::FormBackgroundColor), TColor::fromHex(0xE8E8E8));
}

TEST_F(FileThemeTest, LoadingGivesTheThemeAgainToSkinnedComponentsThatNameIt) {
    dumpStyle(QStringLiteral("WinXP"), path(QStringLiteral("a.theme")));
    QWidget form;
    auto* theme = new TsuiFileTheme(&form);
    TsuiFileTheme other(nullptr);
    QWidget panel(&form);
    auto* named = new TsuiFakeControl(&panel); // reached through the panel
    auto* elsewhere = new TsuiFakeControl(&form);
    auto* plain = new PlainThemedControl(&form);
    named->setFileTheme(theme);
    elsewhere->setFileTheme(&other);
    plain->setFileTheme(theme);
    const int namedBefore = named->themeSets, elsewhereBefore = elsewhere->themeSets;

    theme->setThemeFile(path(QStringLiteral("a.theme")));
    EXPECT_EQ(named->themeSets, namedBefore + 1);
    EXPECT_EQ(named->FileTheme(), theme);
    EXPECT_EQ(elsewhere->themeSets, elsewhereBefore);
    EXPECT_EQ(plain->themeSets, 1);

    theme->setThemeFile(path(QStringLiteral("a.theme"))); // same value: nothing
    EXPECT_EQ(named->themeSets, namedBefore + 1);
}

} // namespace
