#include "base_check.h"

namespace crash_script {
namespace {

QByteArray bytesOf(const std::optional<QList<QString>>& names) {
    return names ? fileBytes(*names) : QByteArray();
}

} // namespace

QString stateOf(const QByteArray& bytes, const QByteArray& before, const QByteArray& after) {
    if (bytes == before)
        return QStringLiteral("before");
    if (bytes == after)
        return QStringLiteral("after");
    return QString();
}

QStringList violations(const QByteArray& dataFile, const std::optional<QByteArray>& backupFile,
                       const Model& before, const Op* op) {
    Model after = before;
    if (op)
        apply(*op, after);
    QStringList broken;
    const bool backupAsBefore = backupFile.has_value() == before.backup.has_value() &&
                                backupFile.value_or(QByteArray()) == bytesOf(before.backup);
    const bool backupAsAfter = backupFile.has_value() == after.backup.has_value() &&
                               backupFile.value_or(QByteArray()) == bytesOf(after.backup);
    if (!backupAsBefore && !backupAsAfter)
        broken << QStringLiteral("the backup is neither its old nor its new content");
    if (stateOf(dataFile, fileBytes(before.base), fileBytes(after.base)).isEmpty()) {
        broken << QStringLiteral("the data file (%1 bytes) is neither as before nor as after %2")
                      .arg(dataFile.size())
                      .arg(op ? QChar(char(op->kind)) : QChar('-'));
    }
    return broken;
}

} // namespace crash_script
