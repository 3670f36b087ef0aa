#pragma once

#include "crash_script.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace crash_script {

// What the data file and its backup may hold after an interruption. With no operation
// under way they must be the model exactly. While `op` was under way: only whole
// records, each a version the model or the operation wrote, byte for byte; every record
// of the model but the operation's target still there, and a changed record in its old
// or its new version; clearing and restoring replace the file whole or not at all; the
// backup is its old or its new content.
// Returns the broken rules, empty when the files are sound.
QStringList violations(const QByteArray& dataFile, const std::optional<QByteArray>& backupFile,
                       const Model& before, const Op* op);

} // namespace crash_script
