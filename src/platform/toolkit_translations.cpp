#include "platform/toolkit_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);

// Installs the toolkit's catalogue for locale; the translator lives as long as the
// application.
QTranslator* install(const QLocale& locale) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QLocale toolkitLocale(const QLocale& user) {
    if (user.language() == QLocale::C || user.language() == QLocale::English)
        return kRussian;
    return user;
}

QTranslator* installToolkitTranslations() {
    const QLocale wanted = toolkitLocale(QLocale::system());
    if (QTranslator* translator = install(wanted))
        return translator;
    return wanted == kRussian ? nullptr : install(kRussian);
}

} // namespace platform
