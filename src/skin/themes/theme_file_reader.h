#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Reads a whole theme file into memory in its constructor and answers lookups by key.
// Keys compare without regard to letter case; when a key occurs more than once the first
// entry in chain order answers. Throws ThemeFileError when the file cannot be opened or an
// entry or record lies past the end of the file.
class TsuiThemeFileReader {
public:
    explicit TsuiThemeFileReader(const QString& path);
    TsuiThemeFileReader(const TsuiThemeFileReader&) = delete;
    TsuiThemeFileReader& operator=(const TsuiThemeFileReader&) = delete;

    // The image entry's data (a complete BMP file); nothing when the key is absent.
    std::optional<QByteArray> FindImage(const QString& key) const;
    // The integer stored under key; -1 when absent.
    int FindInteger(const QString& key) const;
    // True when the low byte of the number stored under key is non-zero; false when absent.
    bool FindBoolean(const QString& key) const;
    // Whether an integer or a Boolean entry of that key is there.
    bool hasInteger(const QString& key) const;
    bool hasBoolean(const QString& key) const;
    // The text stored under key; nothing when absent. Kept, though no element reads it.
    std::optional<QByteArray> findString(const QString& key) const;

private:
    template <typename T> struct Entry {
        QString key;
        T value;
    };
    template <typename T> static const T* find(const QList<Entry<T>>& list, const QString& key);
    void readEntries();

    // The whole file; image and string entries are views into it, so records that share
    // data, however many, cost no more memory than the file itself.
    QByteArray m_file;
    QList<Entry<QByteArray>> m_images;
    QList<Entry<qint32>> m_integers;
    QList<Entry<quint8>> m_booleans;
    QList<Entry<QByteArray>> m_strings;
};
