#pragma once

#include <QByteArray>
#include <QString>

// Builds theme file bytes by hand, at any offsets, so tests can lay out files that no
// writer would make: loops, records past the end, odd sizes.
class ThemeFileBytes {
public:
    explicit ThemeFileBytes(quint32 firstRecord, quint32 declaredHeaderSize = 41);

    // A 77-byte record at offset at.
    void record(quint32 at, const QByteArray& key, quint8 kind, quint32 dataOffset,
                quint32 dataSize, quint32 next);
    void data(quint32 at, const QByteArray& bytes);
    void int32(quint32 at, qint32 value);

    const QByteArray& bytes() const { return m_bytes; }
    // Writes the bytes to path; fails the test when it cannot.
    void save(const QString& path) const;

private:
    void ensure(quint32 size);
    QByteArray m_bytes;
};
