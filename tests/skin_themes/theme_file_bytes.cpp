#include "theme_file_bytes.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>

ThemeFileBytes::ThemeFileBytes(quint32 firstRecord, quint32 declaredHeaderSize)
    : m_bytes(41, '\0') {
    qToLittleEndian<quint32>(declaredHeaderSize, m_bytes.data() + 12);
    qToLittleEndian<quint32>(firstRecord, m_bytes.data() + 20);
}

void ThemeFileBytes::ensure(quint32 size) {
    if (quint32(m_bytes.size()) < size)
        m_bytes.append(QByteArray(size - m_bytes.size(), '\0'));
}

void ThemeFileBytes::record(quint32 at, const QByteArray& key, quint8 kind, quint32 dataOffset,
                            quint32 dataSize, quint32 next) {
    ensure(at + 77);
    char* r = m_bytes.data() + at;
    std::fill(r, r + 64, '\0');
    std::copy(key.begin(), key.begin() + std::min<qsizetype>(key.size(), 64), r);
    r[64] = char(kind);
    qToLittleEndian<quint32>(dataOffset, r + 65);
    qToLittleEndian<quint32>(dataSize, r + 69);
    qToLittleEndian<quint32>(next, r + 73);
}

void ThemeFileBytes::data(quint32 at, const QByteArray& bytes) {
    ensure(at + quint32(bytes.size()));
    m_bytes.replace(at, bytes.size(), bytes);
}

void ThemeFileBytes::int32(quint32 at, qint32 value) {
    QByteArray raw(4, '\0');
    qToLittleEndian<qint32>(value, raw.data());
    data(at, raw);
}

void ThemeFileBytes::save(const QString& path) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(m_bytes), m_bytes.size());
}
