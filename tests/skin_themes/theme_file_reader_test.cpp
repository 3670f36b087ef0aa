#include "skin/themes/skin_errors.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/theme_file_reader.h"
#include "support/theme_tool.h"
#include "theme_file_bytes.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

class ThemeFileReaderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(ThemeFileReaderTest, ReadsBackWhatKalmoThemeWritesForABuiltInStyle) {
    dumpStyle(QStringLiteral("WinXP"), path(QStringLiteral("xp.theme")));
    const TsuiThemeFileReader reader(path(QStringLiteral("xp.theme")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("TitleBarButtonRightOffsetInt")), -2);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormBackgroundColor")), 14609391); // #EFEBDE
    EXPECT_EQ(reader.FindInteger(QStringLiteral("formbackgroundCOLOR")), 14609391);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("FormRoundCornerInt")), 13);
    EXPECT_FALSE(reader.FindBoolean(QStringLiteral("ButtonTransparentBool")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("ButtonTransparentBool")), -1); // not an integer
    EXPECT_EQ(reader.FindInteger(QStringLiteral("NoSuchKey")), -1);

    const std::optional<QByteArray> bmp = reader.FindImage(QStringLiteral("titlebarbuttonimage"));
    ASSERT_TRUE(bmp.has_value());
    EXPECT_TRUE(bmp->startsWith("BM"));
    QImage strip;
    ASSERT_TRUE(strip.loadFromData(*bmp, "BMP"));
    EXPECT_EQ(strip.convertToFormat(QImage::Format_RGB32), loadSkinResource("WINXP_TITLEBTN"));
    EXPECT_FALSE(reader.FindImage(QStringLiteral("FormBorderColor")).has_value());

    dumpStyle(QStringLiteral("blueglass"), path(QStringLiteral("glass.theme")));
    const TsuiThemeFileReader glass(path(QStringLiteral("glass.theme")));
    EXPECT_TRUE(glass.FindBoolean(QStringLiteral("ButtonTransparentBool")));
    EXPECT_EQ(glass.FindInteger(QStringLiteral("FormMinWidthInt")), 270);
}

TEST_F(ThemeFileReaderTest, BooleansAreTheLowByteAndTheFirstOfEqualKeysAnswers) {
    ThemeFileBytes f(41);
    f.record(41, "Flag", 2, 400, 1, 118);
    f.record(118, "FLAG", 2, 401, 1, 195);
    f.record(195, "Colour", 1, 402, 4, 272);
    f.record(272, "colour", 1, 406, 4, 349);
    f.record(349, "Words", 3, 410, 5, 0); // the terminating record is no entry
    f.data(400, QByteArray("\x02\x00", 2));
    f.data(402, QByteArray("\xEF\xEB\xDE\x00", 4));
    f.int32(406, 7);
    f.data(410, "hello");
    f.save(path(QStringLiteral("t")));
    const TsuiThemeFileReader reader(path(QStringLiteral("t")));
    EXPECT_TRUE(reader.FindBoolean(QStringLiteral("flag")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("COLOUR")), 0x00DEEBEF);
    EXPECT_FALSE(reader.findString(QStringLiteral("Words")).has_value());
}

TEST_F(ThemeFileReaderTest, AChainOfOnlyTheTerminatingRecordHoldsNothing) {
    ThemeFileBytes f(41);
    f.record(41, "ButtonImage", 0, 0, 41, 0);
    f.save(path(QStringLiteral("empty")));
    const TsuiThemeFileReader reader(path(QStringLiteral("empty")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("ButtonImage")), -1);
    EXPECT_FALSE(reader.FindBoolean(QStringLiteral("ButtonImage")));
    EXPECT_FALSE(reader.FindImage(QStringLiteral("ButtonImage")).has_value());
}

TEST_F(ThemeFileReaderTest, DeclaredSizesNeverMakeItReadMore) {
    // Header size 9999, an integer declared 1000 bytes long and a flag declared 300 bytes
    // long whose byte is the last of the file: only 41, 4 and 1 bytes are read.
    ThemeFileBytes f(60, 9999);
    f.record(60, "Number", 1, 214, 1000, 137);
    f.record(137, "Flag", 2, 377, 300, 300);
    f.record(300, "", 0, 0, 0, 0);
    f.int32(214, -5);
    f.data(377, QByteArray(1, '\x01'));
    ASSERT_EQ(f.bytes().size(), 378);
    f.save(path(QStringLiteral("sizes")));
    const TsuiThemeFileReader reader(path(QStringLiteral("sizes")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("Number")), -5);
    EXPECT_TRUE(reader.FindBoolean(QStringLiteral("Flag")));
}

TEST_F(ThemeFileReaderTest, LoopingAndEndlessChainsStop) {
    ThemeFileBytes loop(41);
    loop.record(41, "A", 1, 300, 4, 118);
    loop.record(118, "B", 1, 300, 4, 41); // back to the first record
    loop.int32(300, 9);
    loop.save(path(QStringLiteral("loop")));
    const TsuiThemeFileReader looped(path(QStringLiteral("loop")));
    EXPECT_EQ(looped.FindInteger(QStringLiteral("A")), 9);
    EXPECT_EQ(looped.FindInteger(QStringLiteral("B")), 9);

    // 5000 records in a row, never terminated: only the first 4096 count.
    constexpr int kRecords = 5000;
    ThemeFileBytes longChain(100);
    const quint32 data = 100 + kRecords * 77;
    longChain.int32(data, 1);
    for (int i = 0; i < kRecords; ++i) {
        const quint32 at = 100 + i * 77;
        longChain.record(at, "K" + QByteArray::number(i), 1, data, 4, at + 77);
    }
    longChain.save(path(QStringLiteral("long")));
    const TsuiThemeFileReader reader(path(QStringLiteral("long")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("K4095")), 1);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("K4096")), -1);
}

TEST_F(ThemeFileReaderTest, KeysEndAtTheFirstNulOrAfter64Bytes) {
    const QByteArray longKey(64, 'k');
    ThemeFileBytes f(41);
    f.record(41, longKey, 1, 300, 4, 118);
    f.record(118, QByteArray("Short\0Tail", 10), 1, 304, 4, 195);
    f.record(195, "", 0, 0, 0, 0);
    f.int32(300, 64);
    f.int32(304, 5);
    f.save(path(QStringLiteral("keys")));
    const TsuiThemeFileReader reader(path(QStringLiteral("keys")));
    EXPECT_EQ(reader.FindInteger(QString::fromLatin1(longKey)), 64);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("Short")), 5);
}

TEST_F(ThemeFileReaderTest, UnknownKindsAreSkipped) {
    ThemeFileBytes f(41);
    f.record(41, "Odd", 9, 0xFFFFFFF0u, 0xFFFFFFFFu, 118);
    f.record(118, "Next", 1, 300, 4, 195);
    f.record(195, "", 0, 0, 0, 0);
    f.int32(300, 3);
    f.save(path(QStringLiteral("odd")));
    const TsuiThemeFileReader reader(path(QStringLiteral("odd")));
    EXPECT_EQ(reader.FindInteger(QStringLiteral("Next")), 3);
    EXPECT_EQ(reader.FindInteger(QStringLiteral("Odd")), -1);
}

TEST_F(ThemeFileReaderTest, AnythingPastTheEndIsAReadError) {
    struct Case {
        const char* name;
        quint8 kind;
        quint32 offset, size;
    };
    // Image and string data are checked before anything is allocated for them, so a
    // declared size of 4 GB fails at once.
    const Case cases[] = {{"image", 0, 200, 0xFFFFFFFFu},
                          {"image-offset", 0, 0xFFFFFFFFu, 2},
                          {"string", 3, 150, 1000},
                          {"integer", 1, 196, 4},
                          {"boolean", 2, 300, 1}};
    for (const Case& c : cases) {
        ThemeFileBytes f(41);
        f.record(41, "Key", c.kind, c.offset, c.size, 118);
        f.record(118, "", 0, 0, 0, 0);
        f.data(195, QByteArray(3, '\0')); // the file is 198 bytes long
        f.save(path(QString::fromLatin1(c.name)));
        EXPECT_THROW(TsuiThemeFileReader(path(QString::fromLatin1(c.name))), ThemeFileError)
            << c.name;
    }

    ThemeFileBytes recordPastEnd(41);
    recordPastEnd.record(41, "A", 1, 41, 4, 5000);
    recordPastEnd.save(path(QStringLiteral("record")));
    EXPECT_THROW(TsuiThemeFileReader(path(QStringLiteral("record"))), ThemeFileError);

    ThemeFileBytes firstPastEnd(1u << 31);
    firstPastEnd.save(path(QStringLiteral("first")));
    EXPECT_THROW(TsuiThemeFileReader(path(QStringLiteral("first"))), ThemeFileError);

    ThemeFileBytes shortHeader(41);
    QFile file(path(QStringLiteral("short")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(shortHeader.bytes().left(30));
    file.close();
    EXPECT_THROW(TsuiThemeFileReader(path(QStringLiteral("short"))), ThemeFileError);
}

TEST_F(ThemeFileReaderTest, AFileThatCannotBeOpenedNamesItself) {
    const QString missing = path(QStringLiteral("missing.theme"));
    try {
        TsuiThemeFileReader reader(missing);
        FAIL() << "no error";
    } catch (const ThemeFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.toStdString()), std::string::npos);
    }
}

} // namespace
