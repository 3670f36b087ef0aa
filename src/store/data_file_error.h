#pragma once

#include <QString>

#include <stdexcept>

namespace store {

// A failed data-file operation, carrying the text shown to the user in the error box:
// "File not found", "File access denied", "Read beyond end of file", "Disk full" or
// "I/O error N" with the system's error number.
class DataFileError : public std::runtime_error {
public:
    explicit DataFileError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}

    const QString& text() const { return m_text; }

    static DataFileError readBeyondEnd() { return DataFileError("Read beyond end of file"); }
    // An operation on a data file that is not open ("I/O error 103").
    static DataFileError fileNotOpen();
    bool isFileNotOpen() const;
    // The runtime text for a failed system call with the given errno.
    static DataFileError fromErrno(int error);

private:
    QString m_text;
};

} // namespace store
