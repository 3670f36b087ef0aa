#include "folder_theme.h"

#include "skin/themes/tcolor.h"
#include "skin/themes/theme_elements.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>

using namespace skin::themes;

namespace {

int elementOfKey(const QString& key) {
    for (int e = 1; e <= ThemeElement::Count; ++e) {
        if (key.compare(QLatin1String(elementKey(e)), Qt::CaseInsensitive) == 0)
            return e;
    }
    return 0;
}

bool parseValue(ElementKind kind, const QString& text, qint32& value) {
    bool ok = false;
    if (kind == ElementKind::Color && text.startsWith(QLatin1Char('#')) && text.size() == 7) {
        const uint rgb = text.mid(1).toUInt(&ok, 16);
        value = qint32(TColor::fromHex(rgb).value);
        return ok;
    }
    if (kind == ElementKind::Bool) {
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            value = 1;
            return true;
        }
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            value = 0;
            return true;
        }
    }
    value = text.toInt(&ok);
    return ok;
}

// values.txt: element number -> value.
bool readValues(const QString& path, QHash<int, qint32>& values, QString& error) {
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = line.left(eq).trimmed();
        const int element = eq > 0 ? elementOfKey(key) : 0;
        auto fail = [&](const QString& why) {
            error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
            return false;
        };
        if (element == 0)
            return fail(QStringLiteral("\"%1\" is not a theme element key").arg(key));
        const ElementKind kind = elementKindOf(element);
        if (kind == ElementKind::Image)
            return fail(QStringLiteral("%1 is an image: put it in %1.bmp").arg(key));
        if (values.contains(element))
            return fail(QStringLiteral("%1 is given twice").arg(key));
        qint32 value = 0;
        if (!parseValue(kind, line.mid(eq + 1).trimmed(), value))
            return fail(QStringLiteral("the value of %1 is not understood").arg(key));
        values.insert(element, value);
    }
    return true;
}

} // namespace

bool folderThemeEntries(const QString& folder, QList<ThemeEntry>& entries, QStringList& warnings,
                        QString& error) {
    const QDir dir(folder);
    if (!dir.exists()) {
        error = QStringLiteral("no folder %1").arg(folder);
        return false;
    }
    QHash<int, qint32> values;
    if (!readValues(dir.filePath(QStringLiteral("values.txt")), values, error))
        return false;
    const QStringList bitmaps = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    for (int e = 1; e <= ThemeElement::Count; ++e) {
        const QByteArray key(elementKey(e));
        const ElementKind kind = elementKindOf(e);
        if (kind != ElementKind::Image) {
            if (!values.contains(e)) {
                warnings << QStringLiteral("values.txt gives no %1").arg(QLatin1String(key));
                continue;
            }
            entries.append(kind == ElementKind::Bool ? booleanEntry(key, quint8(values[e]))
                                                     : integerEntry(key, values[e]));
            continue;
        }
        const QString wanted = QLatin1String(key) + QLatin1String(".bmp");
        QString found;
        for (const QString& name : bitmaps) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                found = name;
        }
        if (found.isEmpty()) {
            warnings << QStringLiteral("no %1").arg(wanted);
            continue;
        }
        QFile file(dir.filePath(found));
        QImage check;
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (!check.loadFromData(bytes, "BMP")) {
            error = QStringLiteral("%1 is not a BMP file").arg(file.fileName());
            return false;
        }
        entries.append(imageEntry(key, bytes));
    }
    return true;
}
