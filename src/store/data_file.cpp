#include "store/data_file.h"

#include "store/data_file_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t kRecordSize = ContactRecord::kSize;

// "File not open" in the runtime's numbering.
constexpr int kFileNotOpen = 103;

} // namespace

DataFile::~DataFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

void DataFile::bind(const QString& path) {
    if (isOpen())
        throw DataFileError("I/O error 102");
    m_path = path;
}

void DataFile::openExisting() {
    if (isOpen())
        close();
    const int fd = ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw DataFileError::fromErrno(errno);
    m_fd = fd;
    m_position = 0;
    ++m_modifications; // possibly another file than before
}

void DataFile::create() {
    if (isOpen())
        close();
    const int fd =
        ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw DataFileError::fromErrno(errno);
    m_fd = fd;
    m_position = 0;
    ++m_modifications;
    m_unsynced = true;
}

void DataFile::close() {
    requireOpen();
    sync();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        throw DataFileError::fromErrno(errno);
}

void DataFile::requireOpen() const {
    if (!isOpen())
        throw DataFileError(QString("I/O error %1").arg(kFileNotOpen));
}

int32_t DataFile::count() const {
    requireOpen();
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        throw DataFileError::fromErrno(errno);
    return static_cast<int32_t>(info.st_size / kRecordSize);
}

bool DataFile::atEnd() const {
    return position() >= count();
}

int32_t DataFile::position() const {
    requireOpen();
    return m_position;
}

void DataFile::seek(int32_t record) {
    requireOpen();
    if (record < 0)
        throw DataFileError::fromErrno(EINVAL);
    m_position = record;
}

void DataFile::read(ContactRecord& record) {
    requireOpen();
    ContactRecord::Bytes incoming;
    const ssize_t got = ::pread(m_fd, incoming.data(), kRecordSize, m_position * kRecordSize);
    if (got < 0)
        throw DataFileError::fromErrno(errno);
    if (got < kRecordSize)
        throw DataFileError::readBeyondEnd();
    record.bytes() = incoming;
    ++m_position;
}

void DataFile::write(const ContactRecord& record) {
    requireOpen();
    const auto& bytes = record.bytes();
    off_t done = 0;
    while (done < kRecordSize) {
        const ssize_t put = ::pwrite(m_fd, bytes.data() + done, kRecordSize - done,
                                     m_position * kRecordSize + done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            throw DataFileError::fromErrno(errno);
        }
        if (put == 0)
            throw DataFileError::fromErrno(ENOSPC);
        done += put;
    }
    ++m_position;
    ++m_modifications;
    m_unsynced = true;
}

void DataFile::cut() {
    requireOpen();
    if (::ftruncate(m_fd, m_position * kRecordSize) != 0)
        throw DataFileError::fromErrno(errno);
    ++m_modifications;
    m_unsynced = true;
}

void DataFile::sync() {
    if (!isOpen() || !m_unsynced)
        return;
    if (::fsync(m_fd) != 0)
        throw DataFileError::fromErrno(errno);
    m_unsynced = false;
}
