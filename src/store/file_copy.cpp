#include "store/file_copy.h"

#include "store/write_fault.h"

#include "platform/regular_file.h"

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

// A scratch copy is no write of the base: the write-fault injection passes it by.
std::error_code copyContents(int from, int to, CopyDurability durability) {
    std::vector<char> block(1 << 20);
    for (;;) {
        const ssize_t got = ::read(from, block.data(), block.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (got == 0)
            return {};
        const int injected = durability == CopyDurability::Durable ? takeWriteFault() : 0;
        if (injected)
            return {injected, std::generic_category()};
        ssize_t done = 0;
        while (done < got) {
            const ssize_t put = ::write(to, block.data() + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return lastError();
            }
            done += put;
        }
    }
}

} // namespace

std::error_code replaceWithCopy(const QString& source, const QString& target,
                                CopyDurability durability) {
    const QByteArray targetName = target.toLocal8Bit();
    platform::RegularFile opened(source, platform::RegularFile::Access::Read);
    if (!opened.isOpen())
        return opened.error();
    Descriptor in{opened.release()};

    QByteArray temporary = (QFileInfo(target).absolutePath() + "/.kalmo-copy-XXXXXX").toLocal8Bit();
    Descriptor out{::mkostemp(temporary.data(), O_CLOEXEC)};
    if (out.fd < 0)
        return lastError();
    std::error_code error = copyContents(in.fd, out.fd, durability);
    if (!error && ::fchmod(out.fd, 0644) != 0)
        error = lastError();
    if (!error && durability == CopyDurability::Durable && ::fsync(out.fd) != 0)
        error = lastError();
    if (!error && ::rename(temporary.constData(), targetName.constData()) != 0)
        error = lastError();
    if (error)
        ::unlink(temporary.constData());
    return error;
}

} // namespace store
