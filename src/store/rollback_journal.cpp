#include "store/rollback_journal.h"

#include "store/data_file_error.h"
#include "store/file_changes.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

constexpr char kMagic[] = "KALMOJR1";
constexpr size_t kBlockSize = 1 << 20;

void check(const std::error_code& error) {
    if (error)
        throw DataFileError::fromErrno(error.value());
}

[[noreturn]] void fail() {
    throw DataFileError::fromErrno(errno);
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// A word-at-a-time checksum: quick enough to pass over a whole base in a few
// milliseconds, and any torn or missing part of the journal changes it.
class Checksum {
public:
    void add(std::span<const unsigned char> bytes) {
        for (unsigned char byte : bytes) {
            m_word |= uint64_t(byte) << (8 * m_filled);
            if (++m_filled == 8)
                mix();
        }
    }
    // Whole words straight from memory; the blocks are multiples of eight bytes.
    void addBlock(std::span<const unsigned char> bytes) {
        size_t at = 0;
        if (m_filled == 0) {
            for (; at + 8 <= bytes.size(); at += 8) {
                std::memcpy(&m_word, bytes.data() + at, 8);
                mix();
            }
        }
        add(bytes.subspan(at));
    }
    uint64_t value() {
        uint64_t result = m_hash ^ (m_word * 0xC2B2AE3D27D4EB4FULL) ^ m_filled;
        result ^= result >> 31;
        return result * 0x9E3779B97F4A7C15ULL;
    }

private:
    void mix() {
        m_hash = (m_hash ^ m_word) * 0x9E3779B97F4A7C15ULL;
        m_hash ^= m_hash >> 29;
        m_word = 0;
        m_filled = 0;
    }
    uint64_t m_hash = 0x243F6A8885A308D3ULL;
    uint64_t m_word = 0;
    unsigned m_filled = 0;
};

using Header = std::array<unsigned char, kJournalHeaderSize>;

void putWord(Header& header, int at, uint64_t value) {
    for (int k = 0; k < 8; ++k)
        header[size_t(at + k)] = static_cast<unsigned char>(value >> (8 * k));
}

uint64_t word(const Header& header, int at) {
    uint64_t value = 0;
    for (int k = 0; k < 8; ++k)
        value |= uint64_t(header[size_t(at + k)]) << (8 * k);
    return value;
}

uint64_t headerChecksum(const Header& header) {
    Checksum sum;
    sum.add(std::span(header).first(40));
    return sum.value();
}

struct Saved {
    int64_t size = 0;
    int64_t from = 0;
};

// Reads `length` bytes at `offset` of `fd` into `block`; false at a short read.
bool readFully(int fd, std::span<unsigned char> block, int64_t offset) {
    size_t done = 0;
    while (done < block.size()) {
        const ssize_t got =
            ::pread(fd, block.data() + done, block.size() - done, off_t(offset) + off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail();
        if (got == 0)
            return false;
        done += size_t(got);
    }
    return true;
}

// What a complete journal saved, or nothing when it does not check out.
std::optional<Saved> checkJournal(int journal) {
    struct stat info {};
    if (::fstat(journal, &info) != 0)
        fail();
    Header header{};
    if (!S_ISREG(info.st_mode) || !readFully(journal, header, 0) ||
        std::memcmp(header.data(), kMagic, 8) != 0 || word(header, 40) != headerChecksum(header))
        return std::nullopt;
    const Saved saved{int64_t(word(header, 8)), int64_t(word(header, 16))};
    const uint64_t length = word(header, 24);
    if (saved.from < 0 || saved.from > saved.size || uint64_t(saved.size - saved.from) != length ||
        uint64_t(info.st_size) != kJournalHeaderSize + length)
        return std::nullopt;
    Checksum sum;
    std::vector<unsigned char> block(kBlockSize);
    for (uint64_t done = 0; done < length; done += kBlockSize) {
        const std::span part =
            std::span(block).first(std::min<uint64_t>(kBlockSize, length - done));
        if (!readFully(journal, part, kJournalHeaderSize + int64_t(done)))
            return std::nullopt;
        sum.addBlock(part);
    }
    if (sum.value() != word(header, 32))
        return std::nullopt;
    return saved;
}

void removeJournal(const QString& path) {
    check(removeFile(path));
    check(syncFolder(folderOf(path)));
}

} // namespace

QString journalPath(const QString& dataPath) {
    return dataPath + QStringLiteral("-journal");
}

void writeJournal(int fd, const QString& dataPath, int64_t from,
                  std::span<const unsigned char> known) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        fail();
    const int64_t size = info.st_size;
    from = std::min(from, size);
    const QString path = journalPath(dataPath);
    std::error_code created;
    Descriptor journal{createFile(path, created)};
    check(created);
    try {
        Checksum sum;
        std::vector<unsigned char> block(kBlockSize);
        for (int64_t done = 0; from + done < size; done += int64_t(kBlockSize)) {
            const size_t length = size_t(std::min<int64_t>(kBlockSize, size - from - done));
            std::span<const unsigned char> part = std::span(block).first(length);
            if (size_t(done) + length <= known.size())
                part = known.subspan(size_t(done), length);
            else if (!readFully(fd, std::span(block).first(length), from + done))
                throw DataFileError::readBeyondEnd(); // the file shrank under us
            sum.addBlock(part);
            check(writeAt(journal.fd, path, kJournalHeaderSize + done, part));
            // The disk starts on each block at once, so the flush below waits for little.
            ::sync_file_range(journal.fd, kJournalHeaderSize + done, off_t(part.size()),
                              SYNC_FILE_RANGE_WRITE);
        }
        Header header{};
        std::memcpy(header.data(), kMagic, 8);
        putWord(header, 8, uint64_t(size));
        putWord(header, 16, uint64_t(from));
        putWord(header, 24, uint64_t(size - from));
        putWord(header, 32, sum.value());
        putWord(header, 40, headerChecksum(header));
        check(writeAt(journal.fd, path, 0, header));
        check(syncFile(journal.fd, path));
        check(syncFolder(folderOf(path)));
    } catch (const DataFileError&) {
        // The data file is untouched: a journal cut short only goes.
        removeFile(path);
        throw;
    }
}

void commitJournal(const QString& dataPath) {
    removeJournal(journalPath(dataPath));
}

bool rollBackJournal(int fd, const QString& dataPath) {
    const QString path = journalPath(dataPath);
    // Neither a link nor a FIFO in its place is followed or waited for.
    Descriptor journal{
        ::open(path.toLocal8Bit().constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    if (journal.fd < 0 && errno == ENOENT)
        return false;
    if (journal.fd < 0 && errno != ELOOP)
        fail();
    const std::optional<Saved> saved = journal.fd < 0 ? std::nullopt : checkJournal(journal.fd);
    if (!saved) {
        removeJournal(path);
        return false;
    }
    std::vector<unsigned char> block(kBlockSize);
    const int64_t length = saved->size - saved->from;
    for (int64_t done = 0; done < length; done += int64_t(kBlockSize)) {
        const std::span part =
            std::span(block).first(size_t(std::min<int64_t>(kBlockSize, length - done)));
        if (!readFully(journal.fd, part, kJournalHeaderSize + done))
            throw DataFileError::readBeyondEnd();
        check(writeAt(fd, dataPath, saved->from + done, part));
    }
    check(truncateTo(fd, dataPath, saved->size));
    check(syncFile(fd, dataPath));
    removeJournal(path);
    return true;
}

void rollBackJournalOf(const QString& dataPath) {
    if (!QFileInfo(journalPath(dataPath)).isSymLink() && !QFileInfo::exists(journalPath(dataPath)))
        return;
    Descriptor data{::open(dataPath.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC)};
    if (data.fd < 0 && errno == ENOENT) {
        // Without its file a journal's tail of bytes restores nothing.
        removeJournal(journalPath(dataPath));
        return;
    }
    if (data.fd < 0)
        fail();
    rollBackJournal(data.fd, dataPath);
}

} // namespace store
