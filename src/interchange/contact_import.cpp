#include "interchange/contact_import.h"

#include "interchange/duplicate_index.h"
#include "interchange/photo_conversion.h"
#include "photos/photo_files.h"
#include "photos/photo_names.h"
#include "store/data_file_error.h"

#include <QSet>
#include <QTemporaryFile>

#include <vector>

namespace interchange {

namespace {

// Stores the photo of the row in the images folder; returns its path, or an empty text
// when it could not be stored.
QString storePhoto(const QString& imagesFolder, const ImportRow& row, QSet<QString>& named) {
    const QByteArray jpeg = jpegPhoto(row.contact.photo);
    const QString name = row.record.field(store::ContactField::FullName);
    if (jpeg.isEmpty() || !photos::isStorableName(imagesFolder, name))
        return QString();
    int number = 1;
    while (named.contains(photos::cleanedPhotoPath(photos::photoPath(imagesFolder, name, number))))
        ++number;
    const QString path = photos::photoPath(imagesFolder, name, number);
    // A longer path would be cut in the record and name another file.
    if (path.size() > store::ContactRecord::kPathCapacity)
        return QString();
    QTemporaryFile picture;
    if (!picture.open() || picture.write(jpeg) != jpeg.size() || !picture.flush())
        return QString();
    if (photos::copyPhoto(picture.fileName(), imagesFolder, name, number))
        return QString();
    named.insert(photos::cleanedPhotoPath(path));
    return path;
}

} // namespace

QList<ImportRow> prepareImport(store::DataFile& base, const QList<Contact>& contacts) {
    const DuplicateIndex index = DuplicateIndex::ofBase(base);
    QList<ImportRow> rows;
    rows.reserve(contacts.size());
    for (const Contact& contact : contacts) {
        ImportRow row;
        row.contact = contact;
        row.record = keptRecord(contact, &row.notes);
        row.duplicate = index.matches(row.record);
        row.chosen = !row.duplicate;
        rows.append(std::move(row));
    }
    return rows;
}

ImportResult importRows(store::DataFile& base, const QString& imagesFolder, QList<ImportRow>& rows,
                        const std::function<void(int handled)>& progress) {
    ImportResult result;
    QSet<QString> named;
    bool namesRead = false;
    QStringList written;
    std::vector<unsigned char> records;
    int handled = 0;
    for (ImportRow& row : rows) {
        if (progress)
            progress(handled++);
        if (!row.chosen) {
            ++result.skipped;
            continue;
        }
        if (!row.contact.photo.isEmpty()) {
            if (!namesRead) {
                named = photos::photoPathsInBase(base);
                namesRead = true;
            }
            const QString path = storePhoto(imagesFolder, row, named);
            row.notes.photoDropped = path.isEmpty();
            row.record.store(store::ContactField::PhotoPath, path);
            if (!path.isEmpty())
                written.append(path);
        }
        records.insert(records.end(), row.record.bytes().begin(), row.record.bytes().end());
        ++result.added;
        result.cut += row.notes.exact() ? 0 : 1;
    }
    if (progress)
        progress(handled);
    if (records.empty())
        return result;
    try {
        base.replaceFrom(base.count(), {records});
    } catch (const store::DataFileError&) {
        for (const QString& path : written)
            photos::deleteOwnPhotoFile(path, imagesFolder);
        throw;
    }
    return result;
}

} // namespace interchange
