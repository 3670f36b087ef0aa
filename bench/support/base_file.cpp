#include "support/base_file.h"

#include <QFile>

#include <stdexcept>

void writeBase(const QString& path, int count,
               const std::function<store::ContactRecord(int)>& contact) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write the base " + path.toStdString());
    for (int k = 0; k < count; ++k) {
        const store::ContactRecord record = contact(k);
        file.write(reinterpret_cast<const char*>(record.bytes().data()),
                   store::ContactRecord::kSize);
    }
}
