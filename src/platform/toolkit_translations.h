#pragma once

#include <QLocale>

class QTranslator;

namespace platform {

// The language the toolkit's own texts (file choosers, standard buttons) are shown in: the
// user's, unless that is English or unset, when it is Russian like the rest of the program.
QLocale toolkitLocale(const QLocale& user);

// Loads the toolkit's translations for toolkitLocale(QLocale::system()) into the running
// application, falling back to Russian. Returns the installed translator, which the
// application owns, or nullptr when none could be loaded.
QTranslator* installToolkitTranslations();

} // namespace platform
