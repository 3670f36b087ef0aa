// Whether a theme file the user picks can give every window a whole look, and what is
// said when it cannot; and reading the file in use again.
#include "fake_skinned_control.h"
#include "skin/themes/file_theme.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/theme_elements.h"
#include "skin/themes/theme_file_check.h"
#include "support/theme_tool.h"
#include "theme_file_bytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

class ThemeFileCheckTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QTemporaryDir dir;
};

TEST_F(ThemeFileCheckTest, AWrittenStyleIsWholeAndItsDamagedCopiesAreNot) {
    dumpStyle(QStringLiteral("BlueGlass"), path(QStringLiteral("glass.theme")));
    EXPECT_EQ(themeFileProblem(path(QStringLiteral("glass.theme"))), QString());

    // Cut short: the records point past the end.
    const QByteArray whole = read(QStringLiteral("glass.theme"));
    write(QStringLiteral("cut.theme"), whole.left(whole.size() / 2));
    const QString cut = themeFileProblem(path(QStringLiteral("cut.theme")));
    EXPECT_TRUE(cut.startsWith(QStringLiteral("Файл «cut.theme» повреждён"))) << cut.toStdString();

    // One picture spoilt: its BMP signature overwritten.
    QByteArray spoilt = whole;
    const QByteArray face = *TsuiThemeFileReader(path(QStringLiteral("glass.theme")))
                                 .FindImage(QStringLiteral("ButtonImage"));
    const qsizetype at = spoilt.indexOf(face);
    ASSERT_GT(at, 0);
    spoilt[at] = 'X';
    spoilt[at + 1] = 'X';
    write(QStringLiteral("spoilt.theme"), spoilt);
    EXPECT_EQ(themeFileProblem(path(QStringLiteral("spoilt.theme"))),
              QStringLiteral("В файле темы «spoilt.theme» повреждён рисунок ButtonImage."));

    EXPECT_EQ(themeFileProblem(path(QStringLiteral("absent.theme"))),
              QStringLiteral("Файл «absent.theme» не найден."));
    EXPECT_FALSE(themeFileProblem(dir.path()).isEmpty()); // a folder
}

TEST_F(ThemeFileCheckTest, AFileThatReadsButLacksAnElementIsNoWholeLook) {
    // An empty chain reads without error, and would draw every colour as -1.
    ThemeFileBytes empty(41);
    empty.record(41, "", 0, 0, 0, 0);
    empty.save(path(QStringLiteral("empty.theme")));
    EXPECT_NO_THROW(TsuiThemeFileReader(path(QStringLiteral("empty.theme"))));
    EXPECT_EQ(themeFileProblem(path(QStringLiteral("empty.theme"))),
              QStringLiteral("Файл «empty.theme» не является полной темой: в нём нет элемента "
                             "ButtonImage."));

    // A whole file whose flag ButtonTransparentBool is stored as an integer entry: the
    // skin reads flags from Boolean entries only.
    dumpStyle(QStringLiteral("Protein"), path(QStringLiteral("protein.theme")));
    QByteArray bytes = read(QStringLiteral("protein.theme"));
    const qsizetype record = bytes.indexOf(QByteArray("ButtonTransparentBool\0", 22));
    ASSERT_GT(record, 0);
    ASSERT_EQ(bytes[record + 64], char(2));
    bytes[record + 64] = char(1);
    write(QStringLiteral("kind.theme"), bytes);
    EXPECT_EQ(themeFileProblem(path(QStringLiteral("kind.theme"))),
              QStringLiteral("Файл «kind.theme» не является полной темой: в нём нет элемента "
                             "ButtonTransparentBool."));
}

TEST_F(ThemeFileCheckTest, ReloadReadsTheFileAgainAndADamagedOneKeepsThePrevious) {
    const QString file = path(QStringLiteral("look.theme"));
    dumpStyle(QStringLiteral("WinXP"), file);
    QWidget form;
    TsuiFakeControl control(&form);
    TsuiFileTheme theme(&form);
    control.setFileTheme(&theme);
    theme.reload(); // nothing set yet: nothing happens
    EXPECT_FALSE(theme.CanUse());

    theme.setThemeFile(file);
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), TColor::fromHex(0xEFEBDE));
    // The same path set again is not read again; reload is.
    dumpStyle(QStringLiteral("MacOS"), file);
    theme.setThemeFile(file);
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), TColor::fromHex(0xEFEBDE));
    const int themeSets = control.themeSets;
    theme.reload();
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), TColor::fromHex(0xE7E7E7));
    EXPECT_EQ(control.themeSets, themeSets + 1); // the form's components re-read it

    write(QStringLiteral("look.theme"), QByteArray("short"));
    EXPECT_THROW(theme.reload(), ThemeFileError);
    EXPECT_TRUE(theme.CanUse());
    EXPECT_EQ(theme.GetColor(ThemeElement::FormBackgroundColor), TColor::fromHex(0xE7E7E7));
}

} // namespace
