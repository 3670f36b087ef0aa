#include "app/command_line.h"

#include "app/look_setting.h"

namespace app {

namespace {

const QString kLook = QStringLiteral("--look");

std::optional<TsuiUIStyle> lookNamed(const QString& name) {
    for (TsuiUIStyle style : offeredStyles()) {
        const QString caption = lookCaption(style).remove(QLatin1Char(' '));
        if (name.compare(skin::themes::uiStyleName(style), Qt::CaseInsensitive) == 0 ||
            name.compare(caption, Qt::CaseInsensitive) == 0)
            return style;
    }
    return std::nullopt;
}

QString unknownLook(const QString& name) {
    QStringList names;
    for (TsuiUIStyle style : offeredStyles())
        names << skin::themes::uiStyleName(style);
    const QString known =
        QStringLiteral("Возможные виды: %1.").arg(names.join(QStringLiteral(", ")));
    if (name.isEmpty())
        return QStringLiteral("После --look нужно название вида. ") + known;
    return QStringLiteral("Неизвестный вид «%1». ").arg(name) + known;
}

} // namespace

std::optional<StartOptions> parseStartOptions(const QStringList& arguments, QString& error) {
    StartOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name;
        if (argument == kLook)
            name = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (argument.startsWith(kLook + QLatin1Char('=')))
            name = argument.mid(kLook.size() + 1);
        else {
            options.rest << argument;
            continue;
        }
        if (options.look) {
            error = QStringLiteral("Вид задан дважды: --look можно указать один раз.");
            return std::nullopt;
        }
        options.look = lookNamed(name);
        if (!options.look) {
            error = unknownLook(name);
            return std::nullopt;
        }
    }
    return options;
}

} // namespace app
