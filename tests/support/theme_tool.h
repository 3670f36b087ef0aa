#pragma once

#include <QString>
#include <QStringList>

// Runs the kalmo-theme program built next to the test programs' folder; gives its exit
// code (-1 when it could not be started) and its error output.
int runKalmoTheme(const QStringList& arguments, QString* errors = nullptr);

// Writes the built-in style as a theme file at path with kalmo-theme; fails the test
// when that does not work.
void dumpStyle(const QString& style, const QString& path);
