#include "store/data_file_error.h"

#include <cerrno>

namespace store {

namespace {

// "File not open" in the runtime's numbering.
constexpr int kFileNotOpen = 103;

} // namespace

DataFileError DataFileError::fileNotOpen() {
    return DataFileError(QString("I/O error %1").arg(kFileNotOpen));
}

bool DataFileError::isFileNotOpen() const {
    return m_text == fileNotOpen().text();
}

DataFileError DataFileError::fromErrno(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return DataFileError("File not found");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return DataFileError("File access denied");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DataFileError("Disk full");
    default:
        return DataFileError(QString("I/O error %1").arg(error));
    }
}

} // namespace store
