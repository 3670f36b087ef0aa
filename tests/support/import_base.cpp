#include "support/import_base.h"

#include <QDir>

ImportBase::ImportBase() : images(folder.filePath(QStringLiteral("images"))) {
    QDir().mkpath(images);
}

void ImportBase::open(const QList<store::ContactRecord>& records) {
    folder.writeRecords(QStringLiteral("Baza.dat"), records);
    file.bind(folder.filePath(QStringLiteral("Baza.dat")));
    file.openExisting();
}
