#include "support/test_folder.h"

#include "platform/base_folder.h"

#include <QFile>

#include <stdexcept>

TestFolder::TestFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    platform::BaseFolder::set(m_dir.path());
}

void TestFolder::writeRecords(const QString& name,
                              const QList<store::ContactRecord>& records) const {
    QByteArray bytes;
    for (const store::ContactRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes().data()),
                     store::ContactRecord::kSize);
    writeBytes(name, bytes);
}

void TestFolder::writeBytes(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

QByteArray TestFolder::readBytes(const QString& name) const {
    return readWholeFile(filePath(name));
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

store::ContactRecord makeRecord(const QString& fullName, const QString& address,
                                const QString& telephone, const QString& workplace,
                                const QString& email, const QString& photo) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, fullName);
    record.store(store::ContactField::Address, address);
    record.store(store::ContactField::Telephone, telephone);
    record.store(store::ContactField::Workplace, workplace);
    record.store(store::ContactField::Email, email);
    record.store(store::ContactField::PhotoPath, photo);
    return record;
}
