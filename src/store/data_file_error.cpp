#include "store/data_file_error.h"

#include <cerrno>

namespace store {

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
