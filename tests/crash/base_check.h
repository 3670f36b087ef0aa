#pragma once

#include "crash_script.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace crash_script {

// What the data file and its backup may hold when the program starts again after an
// interruption. With no operation under way they must be the model exactly. While `op`
// was under way: exactly what the model held before it or exactly what it leaves, and the
// backup likewise its old or its new content. Returns the broken rules, empty when sound.
QStringList violations(const QByteArray& dataFile, const std::optional<QByteArray>& backupFile,
                       const Model& before, const Op* op);

// Which of the two states `bytes` is: "before", "after", or empty for neither.
QString stateOf(const QByteArray& bytes, const QByteArray& before, const QByteArray& after);

} // namespace crash_script
