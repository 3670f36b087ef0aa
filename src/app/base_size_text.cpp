#include "app/base_size_text.h"

#include "platform/regular_file.h"

#include <sys/stat.h>

namespace app {

QString baseSizeText(int64_t bytes, const QLocale& locale) {
    // Up to 15 significant digits, no exponent for sizes that occur, no digit grouping.
    QString number = QString::number(double(bytes) / 1024.0, 'g', 15);
    number.replace(QLatin1Char('.'), locale.decimalPoint());
    return number.left(4) + QStringLiteral(" Kb");
}

int64_t GetFileSizeBytes(const QString& path) {
    // A FIFO or a device named Baza1.dat would block or measure nothing: -1 as well.
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.descriptor(), &info) != 0)
        return -1;
    return info.st_size;
}

} // namespace app
