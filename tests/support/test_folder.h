#pragma once

#include "store/contact_record.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that serves as the program's base folder for one test.
class TestFolder {
public:
    TestFolder();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Writes the records, one after another, as the data file (or any file) `name`.
    void writeRecords(const QString& name, const QList<store::ContactRecord>& records) const;
    void writeBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray readBytes(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// The whole contents of the file at `path`, or nothing when it cannot be read.
QByteArray readWholeFile(const QString& path);

// A record with the given texts in its five text fields and photo path.
store::ContactRecord makeRecord(const QString& fullName, const QString& address = QString(),
                                const QString& telephone = QString(),
                                const QString& workplace = QString(),
                                const QString& email = QString(), const QString& photo = QString());
