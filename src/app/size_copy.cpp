#include "app/size_copy.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

int64_t nanoseconds(const timespec& time) {
    return int64_t(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

std::optional<SizeCopy::Stamp> SizeCopy::stamp(const QString& from, const QString& to,
                                               uint64_t writes) {
    struct stat source {
    }, copy{};
    if (::stat(from.toLocal8Bit().constData(), &source) != 0 ||
        ::stat(to.toLocal8Bit().constData(), &copy) != 0)
        return std::nullopt;
    return Stamp{writes,
                 source.st_dev,
                 source.st_ino,
                 copy.st_ino,
                 source.st_size,
                 copy.st_size,
                 nanoseconds(source.st_mtim),
                 nanoseconds(copy.st_mtim)};
}

void SizeCopy::refresh(const QString& from, const QString& to, uint64_t writes) {
    const std::optional<Stamp> now = stamp(from, to, writes);
    if (now && m_last && *now == *m_last)
        return;
    std::error_code ignored;
    std::filesystem::copy_file(from.toStdString(), to.toStdString(),
                               std::filesystem::copy_options::overwrite_existing, ignored);
    m_last = stamp(from, to, writes);
}
