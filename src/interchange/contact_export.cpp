#include "interchange/contact_export.h"

#include "photos/jpeg_loader.h"
#include "platform/regular_file.h"
#include "store/record_scan.h"

#include <QDir>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

namespace interchange {

namespace {

// The UID of the record's card: the same record exported again gets the same one.
QString uidOf(int32_t index, const store::ContactRecord& record) {
    static const QUuid kNamespace(QStringLiteral("{5b0d2f0e-6f1c-4c1a-9a55-4b6b1a7c8d21}"));
    QByteArray key = QByteArray::number(index) + ':';
    key.append(reinterpret_cast<const char*>(record.bytes().data()), 255);
    return QUuid::createUuidV5(kNamespace, key).toString(QUuid::WithoutBraces);
}

QByteArray cardOf(int32_t index, const store::ContactRecord& record, const ExportFormat& format) {
    return writeVCard(recordContact(record), uidOf(index, record), format.version, format.charset);
}

QString failedText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл «%1»: %2").arg(path, reason);
}

void write(QSaveFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size())
        throw ExportError(failedText(file.fileName(), file.errorString()));
}

void commit(QSaveFile& file) {
    if (!file.commit())
        throw ExportError(failedText(file.fileName(), file.errorString()));
}

QString fileNameFor(const QString& fullName, int32_t index, QSet<QString>& taken) {
    QString base = fullName.trimmed();
    if (base.isEmpty() || base == QLatin1String(".") || base == QLatin1String("..") ||
        base.contains(QLatin1Char('/')) || base.contains(QChar(0)))
        base = QStringLiteral("Контакт %1").arg(index + 1);
    QString name = base + QStringLiteral(".vcf");
    for (int n = 2; taken.contains(name); ++n)
        name = QStringLiteral("%1 (%2).vcf").arg(base).arg(n);
    taken.insert(name);
    return name;
}

Contact recordTexts(const store::ContactRecord& record) {
    Contact contact;
    contact.fullName = record.field(store::ContactField::FullName);
    contact.address = record.field(store::ContactField::Address);
    contact.telephone = record.field(store::ContactField::Telephone);
    contact.workplace = record.field(store::ContactField::Workplace);
    contact.email = record.field(store::ContactField::Email);
    return contact;
}

} // namespace

ExportFormat formatForFile(const QString& path) {
    ExportFormat format;
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        format.kind = ExportFormat::Kind::Csv;
    return format;
}

Contact recordContact(const store::ContactRecord& record) {
    Contact contact = recordTexts(record);
    const QString photo = record.field(store::ContactField::PhotoPath);
    if (!photo.isEmpty()) {
        const platform::RegularFile file(photo, platform::RegularFile::Access::Read);
        std::error_code error;
        if (file.isOpen())
            contact.photo = file.readAll(photos::kMaxPictureFileBytes, error);
    }
    return contact;
}

int exportBase(store::DataFile& base, const QString& path, const ExportFormat& format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ExportError(failedText(path, file.errorString()));
    int written = 0;
    if (format.kind == ExportFormat::Kind::Csv)
        write(file, csvHeader(format.dialect));
    store::forEachRecord(base, [&](int32_t index, const store::ContactRecord& record) {
        if (format.kind == ExportFormat::Kind::Csv) {
            write(file, csvRow(recordTexts(record), format.dialect));
        } else {
            write(file, cardOf(index, record, format));
        }
        ++written;
    });
    commit(file);
    return written;
}

int exportBaseToFolder(store::DataFile& base, const QString& folder, const ExportFormat& format) {
    if (!QDir().mkpath(folder))
        throw ExportError(QStringLiteral("Не удалось создать папку «%1».").arg(folder));
    QSet<QString> taken;
    int written = 0;
    store::forEachRecord(base, [&](int32_t index, const store::ContactRecord& record) {
        const QString name = fileNameFor(record.field(store::ContactField::FullName), index, taken);
        QSaveFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            throw ExportError(failedText(file.fileName(), file.errorString()));
        write(file, cardOf(index, record, format));
        commit(file);
        ++written;
    });
    return written;
}

} // namespace interchange
