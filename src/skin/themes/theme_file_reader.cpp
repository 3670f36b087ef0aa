#include "skin/themes/theme_file_reader.h"

#include "skin/themes/skin_errors.h"
#include "skin/themes/theme_file_format.h"

#include <QFile>
#include <QSet>
#include <QtEndian>

using namespace skin::themes;

namespace {

[[noreturn]] void readError() {
    throw ThemeFileError("Stream read error");
}

// The bytes [offset, offset + size) of the file, or a read error when they are not all
// there. Checked before anything is copied, so a declared size cannot make us allocate.
const char* span(const QByteArray& file, quint32 offset, quint32 size) {
    if (quint64(offset) + size > quint64(file.size()))
        readError();
    return file.constData() + offset;
}

quint32 u32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

} // namespace

TsuiThemeFileReader::TsuiThemeFileReader(const QString& path) {
    // The file is read in one go and closed at once; others may keep it open meanwhile.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ThemeFileError(QStringLiteral("Cannot open file \"%1\". %2")
                                 .arg(path, file.errorString())
                                 .toStdString());
    m_file = file.readAll();
    file.close();
    readEntries();
}

void TsuiThemeFileReader::readEntries() {
    using namespace skin::themes;
    const QByteArray& file = m_file;
    // The header size field is not trusted: the header is always its 41 bytes.
    const char* header = span(file, 0, kHeaderSize);
    quint32 at = u32(header + kFirstRecordField);
    QSet<quint32> visited;
    for (int count = 0; count < kMaxRecords && !visited.contains(at); ++count) {
        visited.insert(at);
        const char* record = span(file, at, kRecordSize);
        const quint32 next = u32(record + kNextRecordField);
        if (next == 0)
            break;
        const QString key = QString::fromLatin1(record, int(qstrnlen(record, kKeySize)));
        const quint32 offset = u32(record + kDataOffsetField);
        const quint32 size = u32(record + kDataSizeField);
        switch (EntryKind(record[kKindField])) {
        case EntryKind::Image:
            m_images.append({key, QByteArray::fromRawData(span(file, offset, size), int(size))});
            break;
        case EntryKind::Integer:
            m_integers.append({key, qFromLittleEndian<qint32>(span(file, offset, 4))});
            break;
        case EntryKind::Boolean:
            m_booleans.append({key, quint8(*span(file, offset, 1))});
            break;
        case EntryKind::String:
            m_strings.append({key, QByteArray::fromRawData(span(file, offset, size), int(size))});
            break;
        default:
            break; // unknown kinds are skipped
        }
        at = next;
    }
}

template <typename T>
const T* TsuiThemeFileReader::find(const QList<Entry<T>>& list, const QString& key) {
    for (const Entry<T>& entry : list) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.value;
    }
    return nullptr;
}

std::optional<QByteArray> TsuiThemeFileReader::FindImage(const QString& key) const {
    if (const QByteArray* data = find(m_images, key))
        return QByteArray(data->constData(), data->size()); // a copy that outlives the reader
    return std::nullopt;
}

int TsuiThemeFileReader::FindInteger(const QString& key) const {
    const qint32* value = find(m_integers, key);
    return value ? *value : -1;
}

bool TsuiThemeFileReader::FindBoolean(const QString& key) const {
    const quint8* value = find(m_booleans, key);
    return value && *value != 0;
}

std::optional<QByteArray> TsuiThemeFileReader::findString(const QString& key) const {
    if (const QByteArray* data = find(m_strings, key))
        return QByteArray(data->constData(), data->size());
    return std::nullopt;
}

bool TsuiThemeFileReader::hasInteger(const QString& key) const {
    return find(m_integers, key);
}

bool TsuiThemeFileReader::hasBoolean(const QString& key) const {
    return find(m_booleans, key);
}
