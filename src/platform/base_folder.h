#pragma once

#include <QString>

namespace platform {

// The folder that holds Baza.dat, Baza1.dat, the backup folder and Report.xls: the
// working folder taken once at start-up, as an absolute path. A file dialog that moves
// the working folder later cannot split these files.
class BaseFolder {
public:
    // Takes the current working folder; the program calls this once at start.
    static void captureWorkingFolder();
    // Points the base folder elsewhere (tests and benchmarks).
    static void set(const QString& folder);
    static QString path();
    // An absolute path of a file or folder inside the base folder.
    static QString filePath(const QString& relativeName);
};

} // namespace platform
