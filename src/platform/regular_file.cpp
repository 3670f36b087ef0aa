#include "platform/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

class NotRegularFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "kalmo.regular_file"; }
    std::string message(int) const override {
        return "Это не обычный файл, а канал, устройство или сокет.";
    }
};

std::error_code lastError() {
    return {errno, std::generic_category()};
}

} // namespace

std::error_code notRegularFile() {
    static const NotRegularFileCategory category;
    return {1, category};
}

RegularFile::RegularFile(const QString& path, Access access) {
    const QByteArray name = path.toLocal8Bit();
    // Refused before it is opened: opening some devices already does something.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        m_error = lastError();
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_error = S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                        : notRegularFile();
        return;
    }
    // Non-blocking, for a FIFO put in the file's place between the check and the open.
    const int mode = access == Access::Read ? O_RDONLY : O_RDWR;
    const int fd = ::open(name.constData(), mode | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_error = lastError();
        return;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        m_error = S_ISREG(info.st_mode) ? lastError() : notRegularFile();
        ::close(fd);
        return;
    }
    m_fd = fd;
}

RegularFile::~RegularFile() {
    if (m_fd >= 0)
        ::close(m_fd);
}

int RegularFile::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

QByteArray RegularFile::readAll(int64_t cap, std::error_code& error) const {
    const int64_t length = size(error);
    if (error)
        return {};
    if (length > cap) {
        error = std::make_error_code(std::errc::file_too_large);
        return {};
    }
    // The file may grow while it is read: one byte more than its size tells, and the rest
    // is read up to one byte past the cap.
    QByteArray bytes = readAt(0, qsizetype(length) + 1, error);
    while (!error && bytes.size() > length) {
        if (bytes.size() > cap) {
            error = std::make_error_code(std::errc::file_too_large);
            return {};
        }
        const qsizetype more =
            std::min<qsizetype>(qsizetype(cap) + 1 - bytes.size(), bytes.size() + 4096);
        const QByteArray next = readAt(bytes.size(), more, error);
        if (next.isEmpty())
            break;
        bytes.append(next);
    }
    if (error)
        return {};
    return bytes;
}

QByteArray RegularFile::readAt(int64_t offset, qsizetype length, std::error_code& error) const {
    error.clear();
    QByteArray bytes(length, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < length) {
        const ssize_t got =
            ::pread(m_fd, bytes.data() + done, size_t(length - done), off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = lastError();
            return {};
        }
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

int64_t RegularFile::size(std::error_code& error) const {
    error.clear();
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        error = lastError();
        return 0;
    }
    return info.st_size;
}

} // namespace platform
