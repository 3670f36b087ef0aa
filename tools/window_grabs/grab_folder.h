#pragma once

#include <QString>

// The base folder the grabbed windows work on. Its path is fixed, not random, because the
// main window shows the photo's full path in its status bar: a random folder name would
// make every record grab differ from the last.
class GrabFolder {
public:
    // Empties (or makes) the folder, points the base folder and the user's settings at it
    // and saves its images folder there, then puts the record photo and a theme file in.
    GrabFolder();
    ~GrabFolder();
    GrabFolder(const GrabFolder&) = delete;
    GrabFolder& operator=(const GrabFolder&) = delete;

    // Baza.dat with three records, the first with text in every field and a photo.
    void writeRecords() const;
    // No Baza.dat at all: the main window starts on a new, empty base.
    void removeBase() const;
    // Contact files for the import window: a vCard in code page 1251 without a charset
    // (one contact already in the base, one too long to keep whole) and a CSV table.
    QString vCardFile() const;
    QString csvFile() const;
    // A theme file written from a built-in style, for the theme-file look.
    QString themeFile() const;

private:
    QString m_path;
};
