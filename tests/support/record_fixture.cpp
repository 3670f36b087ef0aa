#include "support/record_fixture.h"

#include "platform/base_folder.h"

#include <QFile>
#include <QSettings>

#include <algorithm>

#include <gtest/gtest.h>

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace record_fixture {

ContactRecord record(const QString& name, const QString& address, const QString& photo) {
    ContactRecord result;
    result.store(ContactField::FullName, name);
    result.store(ContactField::Address, address);
    result.store(ContactField::PhotoPath, photo);
    return result;
}

QByteArray fileBytes(const QList<ContactRecord>& records) {
    QByteArray bytes;
    for (const ContactRecord& r : records)
        bytes.append(reinterpret_cast<const char*>(r.bytes().data()), ContactRecord::kSize);
    return bytes;
}

QByteArray fileBytes(std::initializer_list<ContactRecord> records) {
    return fileBytes(QList<ContactRecord>(records));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

QStringList namesInFile(const QString& path) {
    const QByteArray bytes = readFile(path);
    QStringList names;
    for (qsizetype at = 0; at + qsizetype(ContactRecord::kSize) <= bytes.size();
         at += ContactRecord::kSize) {
        ContactRecord r;
        std::copy_n(bytes.constData() + at, ContactRecord::kSize, r.bytes().begin());
        names << r.field(ContactField::FullName);
    }
    return names;
}

BaseFolderFixture::BaseFolderFixture() {
    platform::BaseFolder::set(m_dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

BaseFolderFixture::~BaseFolderFixture() = default;

QString BaseFolderFixture::path(const QString& name) const {
    return name.isEmpty() ? m_dir.path() : m_dir.filePath(name);
}

void BaseFolderFixture::writeDataFile(std::initializer_list<ContactRecord> records) const {
    writeFile(dataFile(), fileBytes(records));
}

TForm1& BaseFolderFixture::openWindow() {
    m_window = std::make_unique<TForm1>();
    return *m_window;
}

QStringList enabledOf(const TForm1& window, const QStringList& names) {
    QStringList enabled;
    for (const QString& name : names) {
        auto* control = window.findChild<QWidget*>(name);
        if (!control)
            ADD_FAILURE() << "no control " << name.toStdString();
        else if (control->isEnabled())
            enabled << name;
    }
    enabled.sort();
    return enabled;
}

} // namespace record_fixture
