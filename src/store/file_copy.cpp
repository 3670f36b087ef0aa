#include "store/file_copy.h"

#include "store/file_changes.h"

#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// Copies inside the kernel, without the bytes passing through the program. False when the
// file system cannot (nothing was copied then); the copy goes on as a plain one.
bool copyInKernel(int from, int to, std::error_code& error) {
    bool started = false;
    for (;;) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, size_t(1) << 30, 0);
        if (copied > 0) {
            started = true;
            continue;
        }
        if (copied == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (!started &&
            (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL))
            return false;
        error = lastError();
        return true;
    }
}

// A scratch copy is no change of the base's files: it passes by the change hook.
std::error_code copyContents(int from, int to, const QString& toPath, CopyDurability durability) {
    if (durability == CopyDurability::Scratch) {
        std::error_code error;
        if (copyInKernel(from, to, error))
            return error;
    }
    std::vector<unsigned char> block(1 << 20);
    for (int64_t done = 0;;) {
        const ssize_t got = ::read(from, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (got == 0)
            return {};
        const std::span<const unsigned char> bytes = std::span(block).first(size_t(got));
        if (durability == CopyDurability::Durable) {
            if (const std::error_code error = writeAt(to, toPath, done, bytes))
                return error;
        } else {
            for (size_t put = 0; put < bytes.size();) {
                const ssize_t n = ::write(to, bytes.data() + put, bytes.size() - put);
                if (n < 0) {
                    if (errno == EINTR)
                        continue;
                    return lastError();
                }
                put += size_t(n);
            }
        }
        done += got;
    }
}

} // namespace

int createTemporaryBeside(const QString& path, QString& temporary, std::error_code& error,
                          CopyDurability durability) {
    QByteArray pattern = (folderOf(path) + '/' + kTemporaryPrefix + "copy-XXXXXX").toLocal8Bit();
    if (durability == CopyDurability::Durable) {
        if (const int injected = beforeFileChange({FileChangeKind::Create, QString(pattern)})) {
            error = {injected, std::generic_category()};
            return -1;
        }
    }
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    error = fd < 0 ? lastError() : std::error_code();
    temporary = QString::fromLocal8Bit(pattern);
    return fd;
}

std::error_code replaceWithCopy(const QString& source, const QString& target,
                                CopyDurability durability) {
    platform::RegularFile opened(source, platform::RegularFile::Access::Read);
    if (!opened.isOpen())
        return opened.error();
    Descriptor in{opened.release()};

    QString temporary;
    std::error_code error;
    Descriptor out{createTemporaryBeside(target, temporary, error, durability)};
    if (out.fd < 0)
        return error;
    const QByteArray pattern = temporary.toLocal8Bit();
    error = copyContents(in.fd, out.fd, temporary, durability);
    if (!error && ::fchmod(out.fd, 0644) != 0)
        error = lastError();
    if (durability == CopyDurability::Scratch) {
        if (!error && ::rename(pattern.constData(), target.toLocal8Bit().constData()) != 0)
            error = lastError();
        if (error)
            ::unlink(pattern.constData());
        return error;
    }
    if (!error)
        error = syncFile(out.fd, temporary);
    if (!error)
        error = renameFile(temporary, target);
    if (error) {
        ::unlink(pattern.constData());
        return error;
    }
    return syncFolder(folderOf(target));
}

void removeStaleTemporariesIn(const QString& folder) {
    const QFileInfoList found = QDir(folder).entryInfoList({kTemporaryPrefix + '*'},
                                                           QDir::AllEntries | QDir::Hidden |
                                                               QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : found) {
        // A link goes itself, whatever it points to; a folder of that name is not ours.
        if (entry.isSymLink() || !entry.isDir())
            QFile::remove(entry.filePath());
    }
}

} // namespace store
