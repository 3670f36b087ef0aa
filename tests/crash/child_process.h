#pragma once

#include "crash_script.h"

#include "support/test_folder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>
#include <utility>

// The crash tests' side of the child process (child/crash_child_main.cpp): the base
// folder it works in, starting it, and reading the journal it keeps of its operations.
namespace crash_script {

// The base folder as the tests set it up and read it back.
struct Base {
    TestFolder folder;
    QString data() const { return folder.filePath("Baza.dat"); }
    QString backup() const { return folder.filePath("Копия/Baza.dat"); }
    // The images folder the child and the restarted program use.
    QString images() const { return folder.filePath("images"); }

    void lay(const Model& model) const;
    std::optional<QByteArray> backupBytes() const;
};

struct Journal {
    QList<qsizetype> finished;
    std::optional<qsizetype> underWay;
    std::optional<qsizetype> changes; // the file changes of a script played to its end
    QList<QByteArray> changeKinds;    // and what each was ("w3": a write over 3 sectors)
};

Journal readJournal(const QString& path);

// Extra environment for the child, as NAME=value.
using Environment = QList<QByteArray>;

// Starts the child on the script from operation `first`; returns its pid once its
// window is open, or -1.
pid_t startChild(const Base& base, const QString& script, qsizetype first, const QString& journal,
                 const Environment& extra = {});

// Writes the script for the child; false when it cannot.
bool writeScript(const QString& path, const QList<Op>& ops);

// Waits for the child; true when it was killed or ended without an error.
bool waitForChild(pid_t child);

// Starts the program on the base folder as the user would after the interruption (which
// rolls back a change cut short and removes stale temporary files) and closes it again.
// Returns the texts of the error boxes it showed.
QStringList startProgramOn(const Base& base);

} // namespace crash_script
