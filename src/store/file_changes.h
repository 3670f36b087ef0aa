#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <span>
#include <system_error>

namespace store {

// Every change the store makes to a file or a folder passes through one point, so tests
// can count the changes of an operation and fail, tear or stop it at any one of them.

enum class FileChangeKind {
    Create,     // a new file (a journal, a temporary copy) is created at `path`
    Write,      // `bytes` are written into `fd` at `offset`
    Truncate,   // `fd` is cut or extended to `offset` bytes
    Sync,       // `fd` is flushed to the disk
    Rename,     // `path` takes the name `target`
    Remove,     // `path` is removed
    SyncFolder, // the folder `path` is flushed, making its names durable
};

struct FileChange {
    FileChangeKind kind;
    QString path; // the file or folder changed
    int fd = -1;  // Write, Truncate, Sync
    int64_t offset = 0;
    std::span<const unsigned char> bytes = {};
    QString target = {};
};

// Called before each change with the change; returns 0 to let it happen or the errno to
// fail it with. Meant for tests only; an empty hook removes it.
using FileChangeHook = std::function<int(const FileChange&)>;
void setFileChangeHook(FileChangeHook hook);

// The errno a change must fail with (an injected write fault or the hook's answer), or 0.
int beforeFileChange(const FileChange& change);

// The changes themselves, each announced to beforeFileChange first. They return the
// file system's error, or an empty code on success.
std::error_code writeAt(int fd, const QString& path, int64_t offset,
                        std::span<const unsigned char> bytes);
std::error_code truncateTo(int fd, const QString& path, int64_t size);
std::error_code syncFile(int fd, const QString& path);
std::error_code removeFile(const QString& path);
std::error_code renameFile(const QString& path, const QString& target);
// Creates `path` exclusively for reading and writing (never through a link); returns
// the descriptor, or -1 with `error` set.
int createFile(const QString& path, std::error_code& error);

// Flushes the folder so that the names created, renamed or removed in it survive a power
// cut.
std::error_code syncFolder(const QString& folder);
// The folder that holds `path`.
QString folderOf(const QString& path);

} // namespace store
