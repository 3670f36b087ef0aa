#include "support/small_file_system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

SmallFileSystem::SmallFileSystem(const char* size) {
    const QByteArray options = QByteArray("size=") + size;
    m_mounted = ::mount("kalmo-test", m_dir.path().toLocal8Bit().constData(), "tmpfs", 0,
                        options.constData()) == 0;
    m_error = errno;
}

SmallFileSystem::~SmallFileSystem() {
    if (m_mounted)
        ::umount2(m_dir.path().toLocal8Bit().constData(), MNT_DETACH);
}

std::string SmallFileSystem::whyNot() const {
    return "cannot mount a tmpfs here (" + std::string(strerror(m_error)) +
           "); run as root where mounting is allowed";
}

bool SmallFileSystem::makeReadOnly() const {
    return ::mount(nullptr, m_dir.path().toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr) == 0;
}

void fillUp(const QString& folder) {
    QFile filler(QDir(folder).filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    for (const QByteArray byte(1, 'f'); filler.write(byte) == 1 && filler.flush();) {
    }
}
