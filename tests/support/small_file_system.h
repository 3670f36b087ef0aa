#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>

// A small tmpfs mounted over a fresh folder, for a read-only or a full file system that
// holds for root too. Mounting needs root; without it `mounted()` is false and `whyNot()`
// says so, for the test to skip with.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const char* size);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    std::string whyNot() const;
    // Remounts it read-only; false when the system refuses.
    bool makeReadOnly() const;
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    int m_error = 0;
};

// Fills the file system the folder is on until not one more byte fits, with the file
// "filler" in the folder.
void fillUp(const QString& folder);
