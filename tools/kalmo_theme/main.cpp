// kalmo-theme: writes theme files and shows the built-in artwork.
//   kalmo-theme dump STYLE FILE           a built-in style as a theme file
//   kalmo-theme build FOLDER FILE         a theme file from BMP files and values.txt
//   kalmo-theme contact-sheet FILE.png    every built-in resource in one picture
#include "contact_sheet.h"
#include "folder_theme.h"
#include "style_dump.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

using namespace skin::themes;

namespace {

int usage() {
    std::fprintf(stderr, "usage: kalmo-theme dump STYLE FILE\n"
                         "       kalmo-theme build FOLDER FILE\n"
                         "       kalmo-theme contact-sheet FILE.png\n"
                         "STYLE is one of MacOS, WinXP, DeepBlue, Protein, BlueGlass.\n");
    return 2;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kalmo-theme: %s\n", qPrintable(message));
    return 1;
}

int dump(const QString& styleName, const QString& path) {
    TsuiUIStyle style;
    if (!builtInStyleFromName(styleName, style))
        return fail(QStringLiteral("unknown style \"%1\"").arg(styleName));
    QString error;
    return writeThemeFile(path, builtInStyleEntries(style), error) ? 0 : fail(error);
}

int build(const QString& folder, const QString& path) {
    QList<ThemeEntry> entries;
    QStringList warnings;
    QString error;
    if (!folderThemeEntries(folder, entries, warnings, error))
        return fail(error);
    for (const QString& warning : warnings)
        std::fprintf(stderr, "kalmo-theme: warning: %s\n", qPrintable(warning));
    return writeThemeFile(path, entries, error) ? 0 : fail(error);
}

int contactSheet(const QString& path) {
    if (!drawContactSheet().save(path, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(path));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // A command-line tool: it draws off screen and needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("dump"))
        return dump(args[1], args[2]);
    if (args.size() == 3 && args[0] == QLatin1String("build"))
        return build(args[1], args[2]);
    if (args.size() == 2 && args[0] == QLatin1String("contact-sheet"))
        return contactSheet(args[1]);
    return usage();
}
