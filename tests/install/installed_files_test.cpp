#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Installs the built program into a temporary prefix once and checks what a desktop
// finds there: the program, the launcher, the desktop entry, the icons and the metainfo.
namespace {

struct RunResult {
    int exitCode = -1;
    QString output;
};

RunResult run(const QString& program, const QStringList& arguments,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

RunResult install(const QString& prefix) {
    return run(QStringLiteral(KALMO_CMAKE_COMMAND),
               {QStringLiteral("--install"), QStringLiteral(KALMO_BUILD_DIR),
                QStringLiteral("--prefix"), prefix});
}

class InstalledFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new QTemporaryDir;
        const RunResult r = install(prefix->path());
        installOutput = new QString(r.output);
        installed = r.exitCode == 0;
    }
    static void TearDownTestSuite() {
        delete prefix;
        delete installOutput;
    }
    void SetUp() override { ASSERT_TRUE(installed) << installOutput->toStdString(); }

    static QString path(const QString& relative) { return prefix->filePath(relative); }

    static QString desktopEntry() {
        QFile file(path(QStringLiteral("share/applications/kalmo.desktop")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    static inline QTemporaryDir* prefix = nullptr;
    static inline QString* installOutput = nullptr;
    static inline bool installed = false;
};

TEST_F(InstalledFiles, ProgramAndLauncherAreExecutable) {
    for (const char* name : {"bin/kalmo", "bin/kalmo-launch"}) {
        const QFileInfo info(path(QString::fromLatin1(name)));
        EXPECT_TRUE(info.isFile()) << name;
        EXPECT_TRUE(info.isExecutable()) << name;
    }
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("share/doc/kalmo/README.md"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("share/doc/kalmo/LICENSE"))));
}

// The uninstall target removes every installed file and the folders the install made, and
// nothing else: a file of the user's in the prefix stays, with its folders.
TEST(Uninstall, LeavesNothingOfOursBehind) {
    QTemporaryDir prefix;
    const RunResult installing = install(prefix.path());
    ASSERT_EQ(installing.exitCode, 0) << installing.output.toStdString();
    QDir(prefix.path()).mkpath(QStringLiteral("share/applications"));
    QFile own(prefix.filePath(QStringLiteral("share/applications/other.desktop")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KALMO_PREFIX"), prefix.path());
    const RunResult r = run(QStringLiteral(KALMO_CMAKE_COMMAND),
                            {QStringLiteral("--build"), QStringLiteral(KALMO_BUILD_DIR),
                             QStringLiteral("--target"), QStringLiteral("uninstall")},
                            env);
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    QStringList left;
    QDirIterator it(prefix.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        left << QDir(prefix.path()).relativeFilePath(it.next());
    left.sort();
    EXPECT_EQ(left,
              (QStringList{"share", "share/applications", "share/applications/other.desktop"}));
}

TEST_F(InstalledFiles, DesktopEntryNamesTheProgramAndStartsTheInstalledLauncher) {
    const QStringList lines = desktopEntry().split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name=Записная книжка")));
    EXPECT_TRUE(lines.contains(QStringLiteral("GenericName=Address book")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=kalmo")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Type=Application")));
    // The launcher is named by the full path it was installed at under the prefix given
    // to the install (not the one configured), so the menu entry starts it.
    const auto exec = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QLatin1String("Exec="));
    });
    ASSERT_NE(exec, lines.end());
    // "Open with" hands the chosen file to it.
    const QStringList command = exec->mid(5).split(QLatin1Char(' '));
    EXPECT_EQ(command, (QStringList{path(QStringLiteral("bin/kalmo-launch")), "%f"}));
    EXPECT_TRUE(QFileInfo(command.first()).isExecutable());
    EXPECT_TRUE(lines.contains(QStringLiteral("MimeType=text/vcard;text/x-vcard;")));
    const auto categories = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QLatin1String("Categories="));
    });
    ASSERT_NE(categories, lines.end());
    EXPECT_TRUE(categories->mid(11).split(QLatin1Char(';')).contains(QStringLiteral("Office")));
}

TEST_F(InstalledFiles, IconsAreTheProgramIconAtEachThemeSize) {
    for (const int size : {16, 32, 48, 256}) {
        const QString file =
            path(QStringLiteral("share/icons/hicolor/%1x%1/apps/kalmo.png").arg(size));
        const QImage icon(file);
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        // Drawn, not empty: the corner is transparent, the cover in the middle is opaque.
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST_F(InstalledFiles, DesktopEntryPassesTheDesktopValidator) {
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed (Debian: desktop-file-utils)";
    const RunResult r = run(validator, {path(QStringLiteral("share/applications/kalmo.desktop"))});
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_TRUE(r.output.trimmed().isEmpty()) << r.output.toStdString();
}

TEST_F(InstalledFiles, MetainfoPassesTheAppStreamValidator) {
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed (Debian: appstream)";
    const QString metainfo = path(QStringLiteral("share/metainfo/ru.kalmo.Kalmo.metainfo.xml"));
    ASSERT_TRUE(QFileInfo::exists(metainfo));
    const RunResult r =
        run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
}

// The launcher runs the kalmo beside it in ~/Kalmo, making the folder when missing. A
// stand-in kalmo that prints its working folder and arguments shows where it was started.
TEST(Launcher, StartsTheProgramBesideItInTheKalmoFolderOfHome) {
    QTemporaryDir bin;
    QTemporaryDir home;
    const QString launcher = bin.filePath(QStringLiteral("kalmo-launch"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KALMO_SOURCE_DIR "/desktop/kalmo-launch"), launcher));
    QFile::setPermissions(launcher, QFile::permissions(launcher) | QFileDevice::ExeOwner);
    QFile fake(bin.filePath(QStringLiteral("kalmo")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\necho \"$PWD|$*\"\n");
    fake.close();
    fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    const QString folder = home.filePath(QStringLiteral("Kalmo"));
    ASSERT_FALSE(QFileInfo::exists(folder));
    RunResult r = run(launcher, {QStringLiteral("a b")}, env);
    EXPECT_EQ(r.exitCode, 0) << r.output.toStdString();
    EXPECT_EQ(r.output.trimmed(), folder + QStringLiteral("|a b"));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    // A second start finds the folder and the files left in it.
    QFile base(folder + QStringLiteral("/Baza.dat"));
    ASSERT_TRUE(base.open(QIODevice::WriteOnly));
    base.close();
    r = run(launcher, {}, env);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.output.trimmed(), folder + QStringLiteral("|"));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Baza.dat")));
}

TEST(Launcher, FailsWhenTheFolderCannotBeMade) {
    QTemporaryDir home;
    // A plain file where the folder should be.
    QFile blocker(home.filePath(QStringLiteral("Kalmo")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    const RunResult r = run(QStringLiteral("/bin/sh"),
                            {QStringLiteral(KALMO_SOURCE_DIR "/desktop/kalmo-launch")}, env);
    EXPECT_NE(r.exitCode, 0);
}

} // namespace
