#pragma once

#include "interchange/contact.h"
#include "interchange/kept_record.h"
#include "store/contact_record.h"
#include "store/data_file.h"

#include <QList>
#include <QString>

#include <functional>

namespace interchange {

// One contact of a file on its way into the base: the record it gives, what the record
// cannot keep, whether the base (or an earlier row) already seems to hold it, and whether
// it is to be added. Likely duplicates start unchosen.
struct ImportRow {
    Contact contact;
    store::ContactRecord record;
    KeepNotes notes;
    bool duplicate = false;
    bool chosen = true;
};

// The rows for the contacts, the likely duplicates of the base's records marked. Two
// contacts of the same file are not duplicates of each other: an exported base with two
// records of one name comes back whole.
QList<ImportRow> prepareImport(store::DataFile& base, const QList<Contact>& contacts);

struct ImportResult {
    int added = 0;
    int skipped = 0;
    int cut = 0; // added, but not kept exactly
};

// Adds the chosen rows at the end of the base, all in one change of the file: after a
// failure or a kill at any point the base holds what it held before or all of them.
// Each photo goes into the images folder first as a photo added with "+" would: as a
// JPEG named after the stored full name, numbered past the names other records hold; a
// photo that cannot be stored there leaves its record without one (noted in the row).
// When adding the records fails, the photos written for them are removed again and the
// store's error is thrown. `progress`, when given, is told before each row and once after
// the last how many rows are done (the photos take the time; the records are written
// at the end).
ImportResult importRows(store::DataFile& base, const QString& imagesFolder, QList<ImportRow>& rows,
                        const std::function<void(int handled)>& progress = {});

} // namespace interchange
