#include "platform/toolkit_translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <algorithm>
#include <memory>

using platform::toolkitLocale;

// The program speaks Russian, so the toolkit does too unless the user has chosen a
// language other than English.
TEST(ToolkitTranslations, RussianUnlessTheUserChoseAnotherLanguage) {
    EXPECT_EQ(toolkitLocale(QLocale::c()).language(), QLocale::Russian);
    EXPECT_EQ(toolkitLocale(QLocale(QLocale::English, QLocale::UnitedStates)).language(),
              QLocale::Russian);
    EXPECT_EQ(toolkitLocale(QLocale(QLocale::Russian, QLocale::Russia)).language(),
              QLocale::Russian);
    EXPECT_EQ(toolkitLocale(QLocale(QLocale::Ukrainian, QLocale::Ukraine)).language(),
              QLocale::Ukrainian);
}

// With the toolkit's catalogue installed, its file chooser and buttons speak Russian.
TEST(ToolkitTranslations, TheFileChooserAndButtonsSpeakRussian) {
    std::unique_ptr<QTranslator> translator(platform::installToolkitTranslations());
    ASSERT_NE(translator, nullptr) << "the toolkit's Russian translations are not installed";
    const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCoreApplication::removeTranslator(translator.get());
    EXPECT_TRUE(std::any_of(lookIn.begin(), lookIn.end(), [](QChar c) {
        return c.script() == QChar::Script_Cyrillic;
    })) << lookIn.toStdString();
    EXPECT_EQ(cancel, QStringLiteral("Отмена"));
}
