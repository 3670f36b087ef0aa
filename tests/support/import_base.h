#pragma once

#include "support/test_folder.h"

#include "store/contact_record.h"
#include "store/data_file.h"

#include <QList>
#include <QString>

// A base opened in a temporary folder, with the images folder an import stores photos in.
class ImportBase {
public:
    ImportBase();

    // Writes the records as Baza.dat and opens it; may be called again to start over.
    void open(const QList<store::ContactRecord>& records = {});

    TestFolder folder;
    QString images;
    store::DataFile file;
};
