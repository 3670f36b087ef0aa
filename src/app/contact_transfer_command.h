#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace app {

// The command line for scripts: "kalmo --import FILE" adds the contacts of a vCard or
// CSV file to the base in the current folder, skipping the likely duplicates of its
// records; "kalmo --export FILE.vcf|FILE.csv" writes every record to the file and
// "kalmo --export-each FOLDER" each record to a vCard file of its own, in the vCard
// version and encoding "--vcard" and "--encoding" choose. They run without a window and
// say in Russian what they did.

// Runs the command the arguments (without the program's name) ask for and returns its
// exit code; nothing when they ask for neither. `out` and `err` receive the report and
// the errors.
std::optional<int> runTransferCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err);

// The contact file of "kalmo FILE.vcf" (as "Open with" starts it), for the window to
// import: the one argument, when it names a contact file.
std::optional<QString> contactFileArgument(const QStringList& arguments);

// The same for main(), before any window: the base folder is the current folder, and the
// command runs with an application object of its own, printing to the terminal.
std::optional<int> runTransferCommand(int argc, char** argv);

} // namespace app
