#include "app/base_size_text.h"

#include <QFile>

namespace app {

QString baseSizeText(int64_t bytes, const QLocale& locale) {
    // Up to 15 significant digits, no exponent for sizes that occur, no digit grouping.
    QString number = QString::number(double(bytes) / 1024.0, 'g', 15);
    number.replace(QLatin1Char('.'), locale.decimalPoint());
    return number.left(4) + QStringLiteral(" Kb");
}

int64_t GetFileSizeBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.size();
}

} // namespace app
