#include "theme_file_writer.h"

#include <QFile>
#include <QtEndian>

namespace {

void putU32(QByteArray& bytes, int at, quint32 value) {
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

} // namespace

ThemeEntry integerEntry(const QByteArray& key, qint32 value) {
    QByteArray data(4, '\0');
    qToLittleEndian<qint32>(value, data.data());
    return {key, skin::themes::EntryKind::Integer, data};
}

ThemeEntry booleanEntry(const QByteArray& key, quint8 value) {
    return {key, skin::themes::EntryKind::Boolean, QByteArray(1, char(value))};
}

ThemeEntry imageEntry(const QByteArray& key, const QByteArray& bmpFile) {
    return {key, skin::themes::EntryKind::Image, bmpFile};
}

QByteArray encodeThemeFile(const QList<ThemeEntry>& entries) {
    using namespace skin::themes;
    const int records = int(entries.size()) + 1;
    const int dataStart = kHeaderSize + records * kRecordSize;
    QByteArray bytes(dataStart, '\0');
    // The reader does not look at the first bytes; they carry a signature for people.
    bytes.replace(0, 11, "KALMO-THEME");
    putU32(bytes, kHeaderSizeField, kHeaderSize);
    putU32(bytes, 16, quint32(entries.size()));
    putU32(bytes, kFirstRecordField, kHeaderSize);
    for (int i = 0; i < entries.size(); ++i) {
        const ThemeEntry& entry = entries[i];
        const int at = kHeaderSize + i * kRecordSize;
        bytes.replace(at, int(std::min<qsizetype>(entry.key.size(), kKeySize)),
                      entry.key.left(kKeySize));
        bytes[at + kKindField] = char(entry.kind);
        putU32(bytes, at + kDataOffsetField, quint32(bytes.size()));
        putU32(bytes, at + kDataSizeField, quint32(entry.data.size()));
        putU32(bytes, at + kNextRecordField, quint32(at + kRecordSize));
        bytes.append(entry.data);
    }
    return bytes; // the last record is all zeros: next offset 0 ends the chain
}

bool writeThemeFile(const QString& path, const QList<ThemeEntry>& entries, QString& error) {
    const QByteArray bytes = encodeThemeFile(entries);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
