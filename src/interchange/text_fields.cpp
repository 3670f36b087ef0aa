#include "interchange/text_fields.h"

namespace interchange {

QString singleLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return line.simplified();
}

QString joinedParts(const QStringList& parts, const QString& separator) {
    QStringList kept;
    for (const QString& part : parts) {
        const QString line = singleLine(part);
        if (!line.isEmpty())
            kept.append(line);
    }
    return kept.join(separator);
}

} // namespace interchange
