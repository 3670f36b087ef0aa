// The child of the crash-consistency test: opens the main window on a base folder and
// plays a script of record operations from a given one on, journalling the start and
// the end of each with plain write() calls, until the parent kills it.
//
// Usage: crash_child BASE_FOLDER SCRIPT FIRST_OP JOURNAL
// Writes one byte to standard output once the window is open. Exits 0 at the end of the
// script, after journalling "C" and the number of file changes it made; 2 when an
// operation shows an error box (its text goes to standard error). With KALMO_STOP_AT set
// it stops itself at that file change (change_interrupter.h). The images folder is
// BASE_FOLDER/images.
#include "app/main_window.h"
#include "change_interrupter.h"
#include "crash_script.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "script_player.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QSettings>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

void journal(int fd, char mark, qsizetype op) {
    const QByteArray line = mark + QByteArray::number(op) + '\n';
    if (::write(fd, line.constData(), size_t(line.size())) != line.size())
        ::_exit(3);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: crash_child BASE_FOLDER SCRIPT FIRST_OP JOURNAL\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", argv[1]);
    QApplication app(argc, argv);
    const QString base = QString::fromLocal8Bit(argv[1]);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base);
    platform::BaseFolder::set(base);

    QFile script(QString::fromLocal8Bit(argv[2]));
    if (!script.open(QIODevice::ReadOnly))
        return 1;
    const QList<crash_script::Op> ops = crash_script::fromText(script.readAll());
    const qsizetype first = QByteArray(argv[3]).toLongLong();
    const int log = ::open(argv[4], O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (log < 0)
        return 1;

    platform::MessageBoxRecorder boxes;
    TForm1 window;
    TForm3 imagesFolder;
    imagesFolder.ui.Edit1->setText(base + "/images");
    window.setImagesFolderDialog(&imagesFolder);
    if (!boxes.texts(platform::ShownBox::Error).isEmpty()) {
        std::fprintf(stderr, "opening: %s\n",
                     boxes.texts(platform::ShownBox::Error).join("; ").toLocal8Bit().constData());
        return 2;
    }
    change_interrupter::install(change_interrupter::planFromEnvironment());
    if (::write(STDOUT_FILENO, "R", 1) != 1)
        return 1;
    for (qsizetype k = first; k < ops.size(); ++k) {
        journal(log, 'B', k);
        const QString errors = crash_script::play(window, boxes, ops[k]);
        if (!errors.isEmpty()) {
            std::fprintf(stderr, "operation %lld: %s\n", static_cast<long long>(k),
                         errors.toLocal8Bit().constData());
            return 2;
        }
        journal(log, 'E', k);
    }
    journal(log, 'C', change_interrupter::changesSeen());
    const QByteArray made = "K" + change_interrupter::changesMade() + "\n";
    if (::write(log, made.constData(), size_t(made.size())) != made.size())
        return 3;
    return 0;
}
