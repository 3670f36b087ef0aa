#include "support/test_folder.h"

#include "platform/base_folder.h"

#include <QFile>

#include <stdexcept>

TestFolder::TestFolder() {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    platform::BaseFolder::set(m_dir.path());
}

void TestFolder::writeRecords(const QString& name, const QList<ContactRecord>& records) const {
    QByteArray bytes;
    for (const ContactRecord& record : records)
        bytes.append(reinterpret_cast<const char*>(record.bytes().data()), ContactRecord::kSize);
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

ContactRecord makeRecord(const QString& fullName, const QString& address, const QString& telephone,
                         const QString& workplace, const QString& email, const QString& photo) {
    ContactRecord record;
    record.store(ContactField::FullName, fullName);
    record.store(ContactField::Address, address);
    record.store(ContactField::Telephone, telephone);
    record.store(ContactField::Workplace, workplace);
    record.store(ContactField::Email, email);
    record.store(ContactField::PhotoPath, photo);
    return record;
}
