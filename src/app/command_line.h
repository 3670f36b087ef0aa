#pragma once

#include "skin/themes/ui_style.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// The options of a windowed start: "--look NAME" (or "--look=NAME") starts with that
// built-in look without saving it; every other argument is passed on.
struct StartOptions {
    std::optional<TsuiUIStyle> look;
    QStringList rest;
};

// Reads the arguments (without the program's name). A look name is a style's stored name
// ("WinXP") or its caption in the "Вид" menu without blanks ("WindowsXP"), in any case.
// An unknown or missing name, or a second --look, gives nothing and sets error to the
// Russian message naming the looks there are.
std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error);

// The exit code of a start refused for its options.
inline constexpr int kBadOptionsExitCode = 2;

} // namespace app
