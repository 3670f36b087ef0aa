#pragma once

#include "store/contact_record.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <sys/types.h>

namespace store {

// The data file: a headerless sequence of 511-byte contact records, held open for
// reading and writing. Positions and counts are zero-based record numbers. Every
// operation throws DataFileError with the runtime's text when it fails.
class DataFile {
public:
    DataFile() = default;
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    // Binds the closed file object to a path; opening and creating use it.
    void bind(const QString& path);
    const QString& path() const { return m_path; }

    // Opens the regular file at the path for reading and writing, or only for reading
    // when the file or its folder refuses writes (then isReadOnly()).
    void openExisting();
    void create(); // cuts an existing file to zero length
    void close();
    bool isOpen() const { return m_fd >= 0; }
    // Every write and cut of a read-only base throws, saying that changes cannot be saved.
    bool isReadOnly() const { return m_readOnly; }
    // Throws, saying so, when the path no longer names the open file: another program
    // deleted the base or put another file in its place. Every write and cut checks it
    // first, so nothing goes into a file that is no longer the base.
    void verifyIdentity() const;

    // Whole records only: a trailing piece shorter than a record is not counted. A file of
    // more records than a record number can name throws, and no write makes one.
    int32_t count() const;
    // True when the file ends in part of a record: it was cut short, not written so.
    bool endsInPartialRecord() const;
    bool atEnd() const;
    int32_t position() const;
    void seek(int32_t record); // record == count() places the position at the end

    // Reads the record at the position and advances; at the end it throws
    // "Read beyond end of file" and leaves the record untouched.
    void read(ContactRecord& record);
    // Writes at the position (overwriting or appending) and advances.
    void write(const ContactRecord& record);
    // Removes every record from the position on.
    void cut();

    // Whole-file pass: reads the records from `first` on in one call, as many as `bytes`
    // holds (its size is a multiple of the record size); the position ends after the last
    // of them. A read that reaches past the end throws "Read beyond end of file".
    void readBlock(int32_t first, std::span<unsigned char> bytes);

    // Replaces every byte from record `first` on by `parts`, one after another, all or
    // nothing: the bytes about to be overwritten or cut away go first into the rollback
    // journal (store/rollback_journal.h), and the change is on the disk when this returns.
    // When more bytes follow `first` than precede it, and the base can be replaced by a
    // rename (see replaceWhole), a new file is written and renamed over it instead.
    // A failure puts the file back as it was and throws. The position ends at the end.
    // `read` holds the records from `first` on when the caller has read them already.
    void replaceFrom(int32_t first, std::initializer_list<std::span<const unsigned char>> parts,
                     std::span<const unsigned char> read = {});

    // Replaces the whole file by `bytes`, all or nothing, without a copy of the old bytes:
    // they go into a new file beside the base, which reaches the disk and then takes the
    // base's name in one rename, made durable by flushing the folder; the data file is
    // that new file afterwards. A failure before the rename leaves the file as it was and
    // throws; a failed flush of the folder after it is only reported (thrown). A base that
    // a rename would change more than the content of (a file of more than one name, a
    // link, another owner's file) is replaced through the journal (replaceFrom) instead.
    // The position ends at the end.
    void replaceWhole(std::span<const unsigned char> bytes);

    // Pushes the writes made since the last sync to the disk (fsync).
    void sync();
    // Grows with every open, create, write and cut; lets callers notice that the file
    // (or its content) changed.
    uint64_t modificationCount() const { return m_modifications; }

private:
    void requireOpen() const;
    off_t sizeInBytes() const;
    void requireWritable() const;
    // Throws when a file of size bytes would hold more records than a count can name.
    void requireCountable(off_t size) const;
    void rememberIdentity();
    bool isReplaceableByRename() const;
    // Writes the first `keep` bytes of the file and then `parts` into a new file beside
    // it, which reaches the disk and takes the base's name (see replaceWhole).
    void replaceByRename(off_t keep, std::initializer_list<std::span<const unsigned char>> parts);
    void writeAt(off_t offset, const unsigned char* bytes, size_t size);

    QString m_path;
    int m_fd = -1;
    int32_t m_position = 0;
    uint64_t m_modifications = 0;
    bool m_unsynced = false;
    bool m_readOnly = false;
    // The open file, to tell it from whatever the path names later.
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

} // namespace store
