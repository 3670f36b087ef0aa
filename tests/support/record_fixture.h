#pragma once

#include "app/main_window.h"
#include "platform/message_box_recorder.h"
#include "store/contact_record.h"
#include "support/test_folder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <memory>
#include <ostream>

// Readable test failures for texts.
void PrintTo(const QString& text, std::ostream* out);

// Fixtures for the record operations: the bytes a data file of given records must hold,
// and a main window opened on a temporary base folder with its boxes recorded.
namespace record_fixture {

// The bytes of a data file holding these records in this order.
QByteArray fileBytes(const QList<store::ContactRecord>& records);
inline QByteArray fileBytes(std::initializer_list<store::ContactRecord> records) {
    return fileBytes(QList<store::ContactRecord>(records));
}
// The full names stored in data-file bytes, in file order.
QStringList namesIn(const QByteArray& bytes);

// A temporary base folder with the main window opened on it; every box is recorded and
// answered (by default "OK").
class WindowFixture {
public:
    TestFolder folder;
    platform::MessageBoxRecorder boxes;

    void writeDataFile(const QList<store::ContactRecord>& records) const {
        folder.writeRecords("Baza.dat", records);
    }
    QString dataFile() const { return folder.filePath("Baza.dat"); }
    QByteArray dataBytes() const { return folder.readBytes("Baza.dat"); }
    QStringList names() const { return namesIn(dataBytes()); }

    // Opens (or opens again) the main window on the folder as it is.
    TForm1& openWindow();
    TForm1& window() { return *m_window; }

private:
    std::unique_ptr<TForm1> m_window;
};

// Which of the named controls are enabled, sorted.
QStringList enabledOf(const TForm1& window, const QStringList& names);

// The record buttons, by their names in the window.
inline const QStringList kRecordButtons = {"new",      "save", "delete", "search",    "first",
                                           "previous", "next", "last",   "suiButton2"};

} // namespace record_fixture
