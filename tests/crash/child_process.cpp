#include "child_process.h"

#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace crash_script {

void Base::lay(const Model& model) const {
    folder.writeBytes("Baza.dat", fileBytes(model.base));
    QDir(folder.path()).mkpath("Копия");
    if (model.backup)
        folder.writeBytes("Копия/Baza.dat", fileBytes(*model.backup));
    else
        QFile::remove(backup());
}

std::optional<QByteArray> Base::backupBytes() const {
    if (!QFile::exists(backup()))
        return std::nullopt;
    return folder.readBytes("Копия/Baza.dat");
}

Journal readJournal(const QString& path) {
    QFile file(path);
    Journal journal;
    if (!file.open(QIODevice::ReadOnly))
        return journal;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.size() < 2)
            continue; // the kill may cut the last line short
        const qsizetype number = line.mid(1).toLongLong();
        if (line[0] == 'B') {
            journal.underWay = number;
        } else if (line[0] == 'E') {
            journal.finished.append(number);
            journal.underWay.reset();
        } else if (line[0] == 'C') {
            journal.changes = number;
        } else if (line[0] == 'K') {
            journal.changeKinds = line.mid(1).split(',');
        }
    }
    return journal;
}

pid_t startChild(const Base& base, const QString& script, qsizetype first, const QString& journal,
                 const Environment& extra) {
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, ready[0]);
    const QByteArray program = KALMO_CRASH_CHILD;
    const QByteArray folder = base.folder.path().toLocal8Bit();
    const QByteArray scriptPath = script.toLocal8Bit();
    const QByteArray firstOp = QByteArray::number(first);
    const QByteArray journalPath = journal.toLocal8Bit();
    char* argv[] = {
        const_cast<char*>(program.constData()),     const_cast<char*>(folder.constData()),
        const_cast<char*>(scriptPath.constData()),  const_cast<char*>(firstOp.constData()),
        const_cast<char*>(journalPath.constData()), nullptr};
    QList<char*> environment;
    for (char** variable = environ; *variable; ++variable)
        environment << *variable;
    for (const QByteArray& variable : extra)
        environment << const_cast<char*>(variable.constData());
    environment << nullptr;
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(ready[1]);
    char byte = 0;
    const bool opened = spawned == 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (spawned != 0)
        return -1;
    if (!opened) {
        ::waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

bool writeScript(const QString& path, const QList<Op>& ops) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(toText(ops)) == toText(ops).size();
}

bool waitForChild(pid_t child) {
    int status = 0;
    if (::waitpid(child, &status, 0) != child)
        return false;
    return !(WIFEXITED(status) && WEXITSTATUS(status) != 0);
}

QStringList startProgramOn(const Base& base) {
    platform::BaseFolder::set(base.folder.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base.folder.path());
    platform::MessageBoxRecorder boxes;
    {
        TForm1 window;
        TForm3 imagesFolder;
        imagesFolder.ui.Edit1->setText(base.images());
        window.setImagesFolderDialog(&imagesFolder);
        window.FormShow();
    }
    return boxes.texts(platform::ShownBox::Error);
}

} // namespace crash_script
