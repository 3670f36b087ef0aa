// Draws every skin bitmap and window picture of the program and writes them, with the
// resource file that embeds them, into the folder given on the command line, and the
// program icon at the sizes of the desktop's icon theme into its hicolor/ sub-folder for
// installing. Run by the build; the output is the same on every run.
#include "catalogue.h"
#include "pictures.h"
#include "window_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kalmo-artwork OUTPUT-FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const int size : kDesktopIconSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(dir) ||
            !programIcon({size, size}).save(dir + QStringLiteral("/kalmo.png"), "PNG")) {
            std::fprintf(stderr, "kalmo-artwork: cannot write the %d-pixel icon\n", size);
            return 1;
        }
    }
    QString qrc;
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/\">\n";
    for (const Artwork& art : drawAllArtwork() + drawWindowPictures()) {
        const QString path = folder + QLatin1Char('/') + art.file;
        if (!QDir().mkpath(QFileInfo(path).path()) || !art.image.save(path, "PNG")) {
            std::fprintf(stderr, "kalmo-artwork: cannot write %s\n", qPrintable(art.file));
            return 1;
        }
        list << "    <file>" << art.file << "</file>\n";
    }
    list << "  </qresource>\n</RCC>\n";
    QFile out(folder + QStringLiteral("/skin_artwork.qrc"));
    if (!out.open(QIODevice::WriteOnly) || out.write(qrc.toUtf8()) != qrc.toUtf8().size()) {
        std::fprintf(stderr, "kalmo-artwork: cannot write the resource file\n");
        return 1;
    }
    return 0;
}
