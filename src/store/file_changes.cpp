#include "store/file_changes.h"

#include "store/write_fault.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace store {

namespace {

FileChangeHook& hook() {
    static FileChangeHook installed;
    return installed;
}

std::error_code lastError() {
    return {errno, std::generic_category()};
}

std::error_code injected(const FileChange& change) {
    if (const int error = beforeFileChange(change))
        return {error, std::generic_category()};
    return {};
}

} // namespace

void setFileChangeHook(FileChangeHook installed) {
    hook() = std::move(installed);
}

int beforeFileChange(const FileChange& change) {
    // The injected write faults count writes of data only, as they always have.
    if (change.kind == FileChangeKind::Write || change.kind == FileChangeKind::Truncate) {
        if (const int injected = takeWriteFault())
            return injected;
    }
    return hook() ? hook()(change) : 0;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

std::error_code writeAt(int fd, const QString& path, int64_t offset,
                        std::span<const unsigned char> bytes) {
    if (const std::error_code error = injected({FileChangeKind::Write, path, fd, offset, bytes}))
        return error;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(offset) + off_t(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return lastError();
        if (put == 0)
            return {ENOSPC, std::generic_category()};
        done += size_t(put);
    }
    return {};
}

std::error_code truncateTo(int fd, const QString& path, int64_t size) {
    if (const std::error_code error = injected({FileChangeKind::Truncate, path, fd, size}))
        return error;
    return ::ftruncate(fd, off_t(size)) == 0 ? std::error_code() : lastError();
}

std::error_code syncFile(int fd, const QString& path) {
    if (const std::error_code error = injected({FileChangeKind::Sync, path, fd}))
        return error;
    return ::fsync(fd) == 0 ? std::error_code() : lastError();
}

std::error_code removeFile(const QString& path) {
    if (const std::error_code error = injected({FileChangeKind::Remove, path}))
        return error;
    return ::unlink(path.toLocal8Bit().constData()) == 0 ? std::error_code() : lastError();
}

std::error_code renameFile(const QString& path, const QString& target) {
    if (const std::error_code error = injected({FileChangeKind::Rename, path, -1, 0, {}, target}))
        return error;
    return ::rename(path.toLocal8Bit().constData(), target.toLocal8Bit().constData()) == 0
               ? std::error_code()
               : lastError();
}

int createFile(const QString& path, std::error_code& error) {
    error = injected({FileChangeKind::Create, path});
    if (error)
        return -1;
    const int fd = ::open(path.toLocal8Bit().constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        error = lastError();
    return fd;
}

std::error_code syncFolder(const QString& folder) {
    if (const std::error_code error = injected({FileChangeKind::SyncFolder, folder}))
        return error;
    const int fd = ::open(folder.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    const int synced = ::fsync(fd);
    const std::error_code error = synced == 0 ? std::error_code() : lastError();
    ::close(fd);
    return error;
}

} // namespace store
