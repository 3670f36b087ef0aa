#include "base_check.h"

#include <QSet>

namespace crash_script {
namespace {

QByteArray bytesOf(const std::optional<QList<QString>>& names) {
    return names ? fileBytes(*names) : QByteArray();
}

// The backup after `op`, whole or not at all.
void checkBackup(const std::optional<QByteArray>& backupFile, const Model& before, const Op* op,
                 QStringList& broken) {
    const QByteArray old = bytesOf(before.backup);
    const bool oldMatches = backupFile.has_value() == before.backup.has_value() &&
                            backupFile.value_or(QByteArray()) == old;
    const bool newMatches =
        op && op->kind == Kind::Backup && backupFile && *backupFile == fileBytes(before.base);
    if (!oldMatches && !newMatches)
        broken << QStringLiteral("the backup is neither its old nor its new content");
}

} // namespace

QStringList violations(const QByteArray& dataFile, const std::optional<QByteArray>& backupFile,
                       const Model& before, const Op* op) {
    QStringList broken;
    checkBackup(backupFile, before, op, broken);
    const QByteArray old = fileBytes(before.base);
    if (!op) {
        if (dataFile != old)
            broken << QStringLiteral("the data file differs from the completed operations");
        return broken;
    }
    switch (op->kind) {
    case Kind::Backup:
        if (dataFile != old)
            broken << QStringLiteral("a backup changed the data file");
        return broken;
    case Kind::Clear:
        if (!dataFile.isEmpty() && dataFile != old)
            broken << QStringLiteral("clearing left a part of the base");
        return broken;
    case Kind::Restore:
        if (dataFile != old && dataFile != bytesOf(before.backup))
            broken << QStringLiteral("a restore left neither the old base nor the backup");
        return broken;
    case Kind::New:
    case Kind::Change:
    case Kind::Delete:
        break;
    }

    const qsizetype size = store::ContactRecord::kSize;
    if (dataFile.size() % size != 0)
        broken << QStringLiteral("a piece of a record at the end (%1 bytes)").arg(dataFile.size());
    QSet<QString> allowed(before.base.begin(), before.base.end());
    if (!op->written.isEmpty())
        allowed.insert(op->written);
    QSet<QString> present;
    for (qsizetype at = 0; at + size <= dataFile.size(); at += size) {
        store::ContactRecord record;
        std::copy_n(dataFile.constData() + at, size, record.bytes().begin());
        const QString name = record.field(store::ContactField::FullName);
        if (!allowed.contains(name) || record.bytes() != recordNamed(name).bytes())
            broken << QStringLiteral("record %1 is invented: \"%2\"").arg(at / size).arg(name);
        present.insert(name);
    }
    for (const QString& name : before.base) {
        if (name == op->target)
            continue;
        if (!present.contains(name))
            broken << QStringLiteral("record \"%1\" is lost").arg(name);
    }
    if (op->kind == Kind::Change && !present.contains(op->target) && !present.contains(op->written))
        broken
            << QStringLiteral("the changed record \"%1\" is lost in both versions").arg(op->target);
    return broken;
}

} // namespace crash_script
