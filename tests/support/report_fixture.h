#pragma once

#include "platform/desktop_open.h"
#include "platform/message_box_recorder.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <vector>

// Readable strings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class TForm1;
class TForm2;

// A base folder of its own with a Baza.dat of the given records (five texts each), the
// main window and report grid window on it, and every box and opened address recorded.
class ReportFixture {
public:
    explicit ReportFixture(const std::vector<QStringList>& records);
    ~ReportFixture();

    QString path(const QString& name) const { return folder.filePath(name); }
    QString reportPath() const { return path(QStringLiteral("Report.xls")); }

    QTemporaryDir folder;
    platform::MessageBoxRecorder boxes;
    platform::UrlOpenRecorder opened;
    std::unique_ptr<TForm1> form1;
    TForm2* form2 = nullptr;
};

// Writes a data file of records (full name, address, telephone, workplace, e-mail).
void writeDataFile(const QString& path, const std::vector<QStringList>& records);

// n records with distinct texts: "Name k", "Address k", ...
std::vector<QStringList> numberedRecords(int n);
