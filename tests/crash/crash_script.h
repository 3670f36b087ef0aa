#pragma once

#include "store/contact_record.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <random>

// The scripted record operations that the crash-consistency test drives through the main
// window, the model of the base they leave behind, and the text form the child process
// reads its script in. Every stored version of a record has a full name of its own, so a
// record in the file names the version it must be byte for byte.
namespace crash_script {

enum class Kind : char {
    New = 'N',
    Change = 'C',
    Delete = 'D',
    Backup = 'B',
    Clear = 'X',
    Restore = 'R',
    // The photo operations, played but not modelled: the kill-point test takes the state
    // after them from an uninterrupted run.
    PhotoPathRefresh = 'P', // "Применить" of the images-folder dialog
    PhotoReplace = 'Z',     // "Заменить" with the picture `written`
    PhotoRemove = 'M',      // "-"
};

struct Op {
    Kind kind;
    QString target;  // the record on show for change, delete and the photo operations
    QString written; // the version that new and change store
};

// The record of the data file that the version named `fullName` must be.
store::ContactRecord recordNamed(const QString& fullName);
// The full name of version `serial`.
QString versionName(int serial);

// The data file and its backup as the operations leave them, in file order.
struct Model {
    QList<QString> base;
    std::optional<QList<QString>> backup;
};

void apply(const Op& op, Model& model);
QByteArray fileBytes(const QList<QString>& names);

// Makes operations in a fixed mix that keeps the base near its size: new, change and
// delete of random records, backups, clearing (always followed by a restore, so the base
// comes back) and restores.
class Generator {
public:
    Generator(uint32_t seed, Model start, int firstSerial);
    QList<Op> next(int count);

private:
    std::mt19937 m_random;
    Model m_model;
    int m_serial;
};

QByteArray toText(const QList<Op>& ops);
QList<Op> fromText(const QByteArray& text);

} // namespace crash_script
