#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <sys/types.h>

// The copy of the data file that the window measures the base size on. Copying a large
// base on every display costs more than the display itself, so the copy is made afresh
// only when the data file, or the copy, changed since the last one.
class SizeCopy {
public:
    // Copies `from` over `to` unless neither changed since the last copy; `writes` is the
    // data file's count of writes and cuts. A failed copy is ignored.
    void refresh(const QString& from, const QString& to, uint64_t writes);

private:
    struct Stamp {
        uint64_t writes = 0;
        dev_t device = 0;
        ino_t sourceInode = 0, copyInode = 0;
        off_t sourceSize = 0, copySize = 0;
        int64_t sourceModified = 0, copyModified = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> stamp(const QString& from, const QString& to, uint64_t writes);

    std::optional<Stamp> m_last;
};
