#pragma once

#include "skin/themes/tcolor.h"
#include "skin/themes/theme_file_reader.h"

#include <QObject>
#include <QString>
#include <memory>

class QByteArray;
class QImage;

namespace skin::themes {
// Decodes an image entry of a theme file into target (32-bit RGB): false, leaving target
// alone, for data that is no BMP file or a picture larger than 2048 x 2048 pixels.
bool readThemeBitmap(const QByteArray& data, QImage& target);
} // namespace skin::themes

// Holds the reader of the loaded theme file, if any.
class TsuiFileThemeMgr {
public:
    const TsuiThemeFileReader* reader() const { return m_reader.get(); }
    // Reads the file completely; the previous reader is replaced only when that succeeds.
    void load(const QString& path);

private:
    std::unique_ptr<TsuiThemeFileReader> m_reader;
};

// A look loaded from a theme file, answering the same element numbers as the built-in
// style tables. Components name it in their "FileTheme" property and read from it while
// their "UIStyle" is FromThemeFile and it can be used.
class TsuiFileTheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE setThemeFile)
public:
    explicit TsuiFileTheme(QObject* owner = nullptr);

    QString ThemeFile() const { return m_themeFile; }
    // Loads the theme file at path, or of that file name beside the executable when path
    // names no file. A path equal to the current one, or one found in neither place,
    // changes nothing. A file that is there but cannot be read throws ThemeFileError and
    // leaves the previous theme in use. After a load, every skinned component of the
    // owner form that names this theme is given it again, so it re-reads its look.
    void setThemeFile(const QString& path);

    // Reads the current theme file again, for a file that changed since it was loaded,
    // and gives the owner form's components the theme again. Throws ThemeFileError as a
    // new path does, keeping the previous theme; does nothing while no file is set.
    void reload();

    bool CanUse() const { return m_canUse; }
    // Loads target from the image entry of the element's key. An absent entry, one that is
    // no BMP file or one larger than 2048 x 2048 pixels leaves target unchanged.
    void GetBitmap(int element, QImage& target) const;
    // The same, keeping frame frameIndex (1-based) of frameCount.
    void GetBitmap(int element, QImage& target, int frameIndex, int frameCount) const;
    // The integer entry of the element's key: -1 when absent, 0 when nothing is loaded.
    TColor GetColor(int element) const;
    int GetInt(int element) const;
    // The Boolean entry of the element's key: false when absent or nothing is loaded.
    bool GetBool(int element) const;

private:
    void refreshOwnerComponents();

    QString m_themeFile;
    TsuiFileThemeMgr m_mgr;
    bool m_canUse = false;
};
