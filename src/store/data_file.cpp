#include "store/data_file.h"

#include "store/data_file_error.h"
#include "store/data_file_texts.h"
#include "store/file_changes.h"
#include "store/file_copy.h"
#include "store/rollback_journal.h"

#include "platform/regular_file.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

constexpr off_t kRecordSize = ContactRecord::kSize;

// The most records a record number (signed 32-bit) can count.
constexpr off_t kMaxRecords = std::numeric_limits<int32_t>::max();
// The bytes kept before a change are copied into a new file in blocks of whole records.
constexpr off_t kKeptBlockBytes = 2048 * kRecordSize;

bool isWriteRefusal(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

bool isFolderWritable(const QString& file) {
    const QByteArray folder = QFileInfo(file).absolutePath().toLocal8Bit();
    return ::access(folder.constData(), W_OK) == 0 || !isWriteRefusal(errno);
}

DataFileError openError(const QString& path, const std::error_code& error) {
    if (error == platform::notRegularFile())
        return DataFileError(notRegularText(path));
    return DataFileError::fromErrno(error.value());
}

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
    // Only a regular file: a FIFO or a device named Baza.dat would block or be written.
    std::optional<platform::RegularFile> opened;
    opened.emplace(m_path, platform::RegularFile::Access::ReadWrite);
    m_readOnly = false;
    if (!opened->isOpen() && isWriteRefusal(opened->error().value())) {
        opened.emplace(m_path, platform::RegularFile::Access::Read);
        m_readOnly = true;
    }
    if (!opened->isOpen())
        throw openError(m_path, opened->error());
    // Changes also need the folder (the journal, the copies and temporary files beside the
    // base).
    if (!m_readOnly && !isFolderWritable(m_path))
        m_readOnly = true;
    const int fd = opened->release();
    // A change cut short by a kill or a power cut is undone before anything is read; a
    // base that cannot be put back (in a read-only folder, say) is not opened half changed.
    try {
        rollBackJournal(fd, m_path);
    } catch (const DataFileError&) {
        ::close(fd);
        throw;
    }
    m_fd = fd;
    m_position = 0;
    ++m_modifications; // possibly another file than before
    rememberIdentity();
}

void DataFile::rememberIdentity() {
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        throw DataFileError::fromErrno(errno);
    m_device = info.st_dev;
    m_inode = info.st_ino;
}

void DataFile::verifyIdentity() const {
    requireOpen();
    struct stat info {};
    if (::stat(m_path.toLocal8Bit().constData(), &info) != 0) {
        if (errno == ENOENT)
            throw DataFileError(baseGoneText(m_path, BaseGone::Deleted));
        throw DataFileError::fromErrno(errno);
    }
    if (info.st_dev != m_device || info.st_ino != m_inode)
        throw DataFileError(baseGoneText(m_path, BaseGone::Replaced));
}

void DataFile::requireWritable() const {
    requireOpen();
    if (m_readOnly)
        throw DataFileError(readOnlyText(m_path));
    verifyIdentity();
}

void DataFile::requireCountable(off_t size) const {
    // Past the last record a count can name, the base could no longer be counted.
    if (size > off_t(kMaxRecords) * kRecordSize)
        throw DataFileError(tooLargeText(m_path));
}

void DataFile::create() {
    if (isOpen())
        close();
    // A journal left without its file belongs to no base; it must not touch the new one.
    rollBackJournalOf(m_path);
    // A link (even one that names nothing yet) is not followed to make a file elsewhere.
    const int fd = ::open(m_path.toLocal8Bit().constData(),
                          O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        throw DataFileError::fromErrno(errno);
    m_fd = fd;
    m_position = 0;
    m_readOnly = false;
    ++m_modifications;
    m_unsynced = true;
    rememberIdentity();
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
        throw DataFileError::fileNotOpen();
}

off_t DataFile::sizeInBytes() const {
    requireOpen();
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        throw DataFileError::fromErrno(errno);
    return info.st_size;
}

int32_t DataFile::count() const {
    const off_t records = sizeInBytes() / kRecordSize;
    if (records > kMaxRecords)
        throw DataFileError(tooLargeText(m_path));
    return static_cast<int32_t>(records);
}

bool DataFile::endsInPartialRecord() const {
    return sizeInBytes() % kRecordSize != 0;
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
    writeAt(m_position * kRecordSize, record.bytes().data(), kRecordSize);
    ++m_position;
}

void DataFile::writeAt(off_t offset, const unsigned char* bytes, size_t size) {
    requireWritable();
    requireCountable(offset + off_t(size));
    struct stat before {};
    if (::fstat(m_fd, &before) != 0)
        throw DataFileError::fromErrno(errno);
    if (const std::error_code error = store::writeAt(m_fd, m_path, offset, {bytes, size})) {
        // A write cut short (a full disk) must not leave a piece of a record past the old
        // end: the file goes back to the size it had, so it holds whole records only.
        if (::ftruncate(m_fd, before.st_size) == 0)
            ++m_modifications;
        throw DataFileError::fromErrno(error.value());
    }
    ++m_modifications;
    m_unsynced = true;
}

void DataFile::readBlock(int32_t first, std::span<unsigned char> bytes) {
    requireOpen();
    const off_t offset = off_t(first) * kRecordSize;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got =
            ::pread(m_fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw DataFileError::fromErrno(errno);
        }
        if (got == 0)
            throw DataFileError::readBeyondEnd();
        done += size_t(got);
    }
    m_position = first + int32_t(bytes.size() / kRecordSize);
}

void DataFile::replaceFrom(int32_t first,
                           std::initializer_list<std::span<const unsigned char>> parts,
                           std::span<const unsigned char> read) {
    requireWritable();
    off_t total = off_t(first) * kRecordSize;
    for (const std::span<const unsigned char> part : parts)
        total += off_t(part.size());
    requireCountable(total);
    const off_t from = off_t(first) * kRecordSize;
    // A change from near the start would copy more old bytes into the journal than a new
    // file copies from before the change: such a change writes the new file instead.
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        throw DataFileError::fromErrno(errno);
    if (from < info.st_size - from && isReplaceableByRename()) {
        replaceByRename(from, parts);
        return;
    }
    // A journal still here (its rollback failed earlier) is undone before a new change.
    rollBackJournal(m_fd, m_path);
    writeJournal(m_fd, m_path, from, read);
    ++m_modifications;
    off_t end = from;
    try {
        for (const std::span<const unsigned char> part : parts) {
            if (const std::error_code error = store::writeAt(m_fd, m_path, end, part))
                throw DataFileError::fromErrno(error.value());
            end += off_t(part.size());
        }
        if (const std::error_code error = truncateTo(m_fd, m_path, end))
            throw DataFileError::fromErrno(error.value());
        if (const std::error_code error = syncFile(m_fd, m_path))
            throw DataFileError::fromErrno(error.value());
        // Without a journal the change is made; a failed flush of the folder after the
        // removal finds none to roll back and is only reported.
        commitJournal(m_path);
    } catch (const DataFileError&) {
        try {
            rollBackJournal(m_fd, m_path);
        } catch (const DataFileError&) {
            // The journal stays; the next change or the next start undoes it.
        }
        throw;
    }
    m_position = int32_t(end / kRecordSize);
}

bool DataFile::isReplaceableByRename() const {
    struct stat open {};
    struct stat named {};
    if (::fstat(m_fd, &open) != 0 || ::lstat(m_path.toLocal8Bit().constData(), &named) != 0)
        throw DataFileError::fromErrno(errno);
    // A new file under the name would part the base from its other names, replace a link
    // by a file, or change the owner.
    return S_ISREG(named.st_mode) && open.st_nlink == 1 && open.st_uid == ::geteuid();
}

void DataFile::replaceWhole(std::span<const unsigned char> bytes) {
    requireWritable();
    requireCountable(off_t(bytes.size()));
    if (!isReplaceableByRename()) {
        replaceFrom(0, {bytes});
        return;
    }
    replaceByRename(0, {bytes});
}

void DataFile::replaceByRename(off_t keep,
                               std::initializer_list<std::span<const unsigned char>> parts) {
    // A journal still here belongs to the old file; undone now, it cannot touch the new.
    rollBackJournal(m_fd, m_path);
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        throw DataFileError::fromErrno(errno);
    QString temporary;
    std::error_code error;
    const int fd = createTemporaryBeside(m_path, temporary, error);
    if (fd < 0)
        throw DataFileError::fromErrno(error.value());
    if (::fchmod(fd, info.st_mode & 07777) != 0)
        error = {errno, std::generic_category()};
    off_t end = 0;
    // The bytes before the change are copied a block at a time.
    std::vector<unsigned char> block(size_t(std::min<off_t>(keep, kKeptBlockBytes)));
    while (!error && end < keep) {
        const std::span<unsigned char> next(
            block.data(), size_t(std::min<off_t>(keep - end, off_t(block.size()))));
        try {
            readBlock(int32_t(end / kRecordSize), next);
        } catch (const DataFileError&) {
            ::close(fd);
            ::unlink(temporary.toLocal8Bit().constData());
            throw;
        }
        error = store::writeAt(fd, temporary, end, next);
        end += off_t(next.size());
    }
    for (const std::span<const unsigned char> part : parts) {
        if (error)
            break;
        error = store::writeAt(fd, temporary, end, part);
        end += off_t(part.size());
    }
    if (!error)
        error = syncFile(fd, temporary);
    if (!error)
        error = renameFile(temporary, m_path);
    if (error) {
        ::close(fd);
        ::unlink(temporary.toLocal8Bit().constData());
        throw DataFileError::fromErrno(error.value());
    }
    // The base is the new file from the rename on, whatever happens next.
    ::close(m_fd);
    m_fd = fd;
    m_unsynced = false;
    m_position = int32_t(end / kRecordSize);
    ++m_modifications;
    rememberIdentity();
    if (const std::error_code synced = syncFolder(folderOf(m_path)))
        throw DataFileError::fromErrno(synced.value());
}

void DataFile::cut() {
    requireWritable();
    if (const std::error_code error = truncateTo(m_fd, m_path, m_position * kRecordSize))
        throw DataFileError::fromErrno(error.value());
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

} // namespace store
