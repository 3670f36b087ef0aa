#pragma once

#include "app/main_window.h"
#include "platform/message_box_recorder.h"
#include "store/contact_record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <ostream>

// Readable test failures for texts.
void PrintTo(const QString& text, std::ostream* out);

// Fixtures for the record operations: records as they lie in the data file, data files in
// a temporary base folder, and a main window opened on them with its boxes recorded.
namespace record_fixture {

// A record as the program writes it: the given texts, zeros after each of them.
ContactRecord record(const QString& name, const QString& address = QString(),
                     const QString& photo = QString());

// The bytes of a data file holding these records in this order.
QByteArray fileBytes(std::initializer_list<ContactRecord> records);
QByteArray fileBytes(const QList<ContactRecord>& records);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& bytes);

// The full names stored in a data file, in file order.
QStringList namesInFile(const QString& path);

// A temporary base folder, made the program's base folder while it lives.
class BaseFolderFixture {
public:
    BaseFolderFixture();
    ~BaseFolderFixture();

    QString path(const QString& name = QString()) const;
    QString dataFile() const { return path("Baza.dat"); }
    void writeDataFile(std::initializer_list<ContactRecord> records) const;
    QByteArray dataBytes() const { return readFile(dataFile()); }
    QStringList names() const { return namesInFile(dataFile()); }

    // Opens the main window on the folder as it is; every box is recorded and answered.
    TForm1& openWindow();
    TForm1& window() { return *m_window; }
    platform::MessageBoxRecorder& boxes() { return m_boxes; }

private:
    QTemporaryDir m_dir;
    platform::MessageBoxRecorder m_boxes;
    std::unique_ptr<TForm1> m_window;
};

// Which of the named controls are enabled, as "name" entries in a sorted list.
QStringList enabledOf(const TForm1& window, const QStringList& names);

// The record buttons and what they are called in the window.
inline const QStringList kRecordButtons = {"new",      "save", "delete", "search",    "first",
                                           "previous", "next", "last",   "suiButton2"};

} // namespace record_fixture
