#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <system_error>

namespace platform {

// A file opened by a path that came from the base, the settings or the user. Only a
// regular file is opened: a FIFO would block the window for ever on open or read, and a
// device (a link to /dev/zero, a disk) would be read or written without end. The open
// never blocks, and the descriptor is closed with the object.
class RegularFile {
public:
    enum class Access { Read, ReadWrite };

    // Opens the file, following links, for reading (and writing). On failure `isOpen()`
    // is false and `error()` tells why: the system's error, `std::errc::is_a_directory`,
    // or `notRegularFile()`.
    RegularFile(const QString& path, Access access);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int descriptor() const { return m_fd; }
    std::error_code error() const { return m_error; }
    // Gives up the descriptor: the caller closes it.
    int release();

    // The whole content, at most `cap` bytes; a longer file is `std::errc::file_too_large`
    // and yields nothing.
    QByteArray readAll(int64_t cap, std::error_code& error) const;
    // Up to `length` bytes from `offset` on; fewer at the end of the file.
    QByteArray readAt(int64_t offset, qsizetype length, std::error_code& error) const;
    // The file's size now.
    int64_t size(std::error_code& error) const;

private:
    int m_fd = -1;
    std::error_code m_error;
};

// The error of a path that names a FIFO, a device or a socket.
std::error_code notRegularFile();

} // namespace platform
