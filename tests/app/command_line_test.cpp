// "--look NAME" on the command line of a windowed start.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

using S = TsuiUIStyle;

std::optional<app::StartOptions> parse(const QStringList& arguments, QString* error = nullptr) {
    QString message;
    auto options = app::parseStartOptions(arguments, message);
    if (error)
        *error = message;
    EXPECT_EQ(options.has_value(), message.isEmpty());
    return options;
}

TEST(CommandLine, TakesTheLookByItsNameOrCaptionAndPassesTheRestOn) {
    const struct {
        QStringList arguments;
        S look;
    } cases[] = {
        {{"--look", "MacOS"}, S::MacOS},      {{"--look", "deepblue"}, S::DeepBlue},
        {{"--look=BLUEGLASS"}, S::BlueGlass}, {{"--look", "WindowsXP"}, S::WinXP},
        {{"--look", "macos"}, S::MacOS},
    };
    for (const auto& c : cases) {
        const auto options = parse(c.arguments);
        ASSERT_TRUE(options) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(options->look, c.look);
        EXPECT_TRUE(options->rest.isEmpty());
    }
    const auto mixed = parse({"контакты.vcf", "--look", "Protein"});
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->look, S::Protein);
    EXPECT_EQ(mixed->rest, QStringList{"контакты.vcf"});

    const auto none = parse({"контакты.vcf"});
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->look);
    EXPECT_EQ(none->rest, QStringList{"контакты.vcf"});
}

TEST(CommandLine, AnUnknownMissingOrRepeatedLookIsRefusedNamingTheLooks) {
    const QString known =
        QStringLiteral("Возможные виды: WinXP, MacOS, DeepBlue, Protein, BlueGlass.");
    QString error;
    EXPECT_FALSE(parse({"--look", "Aqua"}, &error));
    EXPECT_EQ(error, QStringLiteral("Неизвестный вид «Aqua». ") + known);
    // The theme-file style is no look of its own without a file.
    EXPECT_FALSE(parse({"--look", "FromThemeFile"}, &error));
    EXPECT_FALSE(parse({"--look="}, &error));
    EXPECT_EQ(error, QStringLiteral("После --look нужно название вида. ") + known);
    EXPECT_FALSE(parse({"--look"}, &error));
    EXPECT_EQ(error, QStringLiteral("После --look нужно название вида. ") + known);
    EXPECT_FALSE(parse({"--look", "WinXP", "--look", "MacOS"}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(app::kBadOptionsExitCode, 2);
}

} // namespace
