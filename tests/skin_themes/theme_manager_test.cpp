#include "fake_skinned_control.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_manager.h"
#include "support/theme_tool.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

using S = TsuiUIStyle;

TEST(ResolveStyle, BuiltInStylesStayAndFromThemeFileNeedsAUsableTheme) {
    S resolved = S::MacOS;
    EXPECT_FALSE(ResolveStyle(nullptr, S::WinXP, resolved));
    EXPECT_EQ(resolved, S::WinXP);
    EXPECT_FALSE(ResolveStyle(nullptr, S::FromThemeFile, resolved));
    EXPECT_EQ(resolved, S::DeepBlue);

    TsuiFileTheme empty;
    EXPECT_FALSE(ResolveStyle(&empty, S::FromThemeFile, resolved));
    EXPECT_EQ(resolved, S::DeepBlue);

    QTemporaryDir dir;
    dumpStyle(QStringLiteral("Protein"), dir.filePath(QStringLiteral("p.theme")));
    TsuiFileTheme loaded;
    loaded.setThemeFile(dir.filePath(QStringLiteral("p.theme")));
    EXPECT_TRUE(ResolveStyle(&loaded, S::FromThemeFile, resolved));
    EXPECT_EQ(resolved, S::FromThemeFile);
    EXPECT_FALSE(ResolveStyle(&loaded, S::BlueGlass, resolved));
    EXPECT_EQ(resolved, S::BlueGlass);
}

TEST(OwnerFormStyle, WithoutASkinnedFormNewControlsStartInDeepBlue) {
    QWidget form;
    QWidget inner(&form);
    EXPECT_EQ(OwnerFormStyle(&form), S::DeepBlue);
    EXPECT_EQ(OwnerFormStyle(&inner), S::DeepBlue); // not a form
    EXPECT_EQ(OwnerFormStyle(nullptr), S::DeepBlue);
    QObject plain;
    EXPECT_EQ(OwnerFormStyle(&plain), S::DeepBlue);
}

TEST(ApplyStyleToChildren, SetsFileThemeThenStyleOnDirectChildrenThatPublishBoth) {
    QWidget container;
    TsuiFakeControl first(&container), second(&container);
    PlainThemedControl onlyTheme(&container);
    TsuiFakeControl grandchild(&first);
    TsuiFileTheme theme;
    ApplyStyleToChildren(&container, S::WinXP, &theme);
    for (TsuiFakeControl* c : {&first, &second}) {
        EXPECT_EQ(c->UIStyle(), S::WinXP);
        EXPECT_EQ(c->FileTheme(), &theme);
        EXPECT_EQ(c->order, QStringLiteral("TS"));
    }
    EXPECT_EQ(onlyTheme.themeSets, 0);
    EXPECT_EQ(grandchild.styleSets, 0);
    ApplyStyleToChildren(nullptr, S::WinXP, &theme);
}

class ThemeManagerTest : public ::testing::Test {
protected:
    QWidget form;
    QWidget panel{&form};
    TsuiFakeControl* edit = new TsuiFakeControl(&panel, QStringLiteral("suiEdit1"));
    TsuiFakeControl* button = new TsuiFakeControl(&form, QStringLiteral("suiButton1"));
    TsuiFakeControl* unlisted = new TsuiFakeControl(&form, QStringLiteral("suiButton2"));
};

TEST_F(ThemeManagerTest, StartsInDeepBlueWithNothingListed) {
    TsuiThemeManager manager(&form);
    EXPECT_EQ(manager.UIStyle(), S::DeepBlue);
    EXPECT_EQ(manager.FileTheme(), nullptr);
    EXPECT_TRUE(manager.CompList().isEmpty());
    EXPECT_EQ(manager.property("UIStyle").value<S>(), S::DeepBlue);
    // Stored descriptions name the style; the property takes the name.
    EXPECT_TRUE(manager.setProperty("UIStyle", QStringLiteral("WinXP")));
    EXPECT_EQ(manager.UIStyle(), S::WinXP);
}

TEST_F(ThemeManagerTest, PushesStyleThenFileThemeToListedComponents) {
    TsuiThemeManager manager(&form);
    TsuiFileTheme theme(&form);
    QSignalSpy changed(&manager, &TsuiThemeManager::OnUIStyleChanged);
    manager.setCompList(
        {QStringLiteral("suiButton1"), QStringLiteral("missing"), QStringLiteral("suiEdit1")});
    EXPECT_EQ(button->styleSets, 0); // setting the list pushes nothing

    manager.setFileTheme(&theme);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(button->order, QStringLiteral("ST"));
    EXPECT_EQ(button->FileTheme(), &theme);

    manager.setUIStyle(S::WinXP);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.first().first().value<QObject*>(), &manager);
    EXPECT_EQ(button->UIStyle(), S::WinXP);
    EXPECT_EQ(edit->UIStyle(), S::WinXP);
    EXPECT_EQ(unlisted->styleSets, 0);

    manager.setUIStyle(S::WinXP); // pushes again, no event
    EXPECT_EQ(button->styleSets, 3);
    EXPECT_EQ(changed.count(), 1);

    manager.setProperty("UIStyle", QVariant::fromValue(S::MacOS));
    EXPECT_EQ(edit->UIStyle(), S::MacOS);
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(ThemeManagerTest, WithoutAnOwnerFormNothingIsPushed) {
    TsuiThemeManager manager(&panel); // a panel is no form
    manager.setCompList({QStringLiteral("suiEdit1")});
    manager.setUIStyle(S::Protein);
    EXPECT_EQ(edit->styleSets, 0);
}

TEST_F(ThemeManagerTest, AListedComponentWithoutTheStylePropertyIsAnError) {
    QWidget plain(&form);
    plain.setObjectName(QStringLiteral("Panel1"));
    TsuiThemeManager manager(&form);
    manager.setCompList({QStringLiteral("suiButton1"), QStringLiteral("Panel1")});
    EXPECT_THROW(manager.setUIStyle(S::WinXP), ThemePropertyError);
    EXPECT_EQ(button->UIStyle(), S::WinXP); // pushed before the failing one
    EXPECT_EQ(manager.UIStyle(), S::WinXP);
}

TEST_F(ThemeManagerTest, RemovedComponentsLeaveTheListAndARemovedThemeResets) {
    TsuiThemeManager manager(&form);
    auto* theme = new TsuiFileTheme(&form);
    manager.setCompList(
        {QStringLiteral("suiButton1"), QStringLiteral("suiEdit1"), QStringLiteral("suiButton1")});
    manager.setFileTheme(theme);
    manager.setUIStyle(S::BlueGlass);
    QSignalSpy changed(&manager, &TsuiThemeManager::OnUIStyleChanged);

    delete button;
    EXPECT_EQ(manager.CompList(),
              QStringList({QStringLiteral("suiEdit1"), QStringLiteral("suiButton1")}));

    delete theme;
    EXPECT_EQ(manager.FileTheme(), nullptr);
    EXPECT_EQ(manager.UIStyle(), S::DeepBlue);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(edit->UIStyle(), S::BlueGlass); // no push either
}

TEST_F(ThemeManagerTest, LinkedWindowsTakeTheLookOfEveryPushAtEveryDepth) {
    TsuiThemeManager manager(&form);
    TsuiFileTheme theme(&form);
    manager.setUIStyle(S::MacOS);
    // Another window with a nested control, a plain one, and a manager of its own.
    QWidget other;
    QWidget box(&other);
    auto* nested = new TsuiFakeControl(&box, QStringLiteral("suiEdit2"));
    auto* plain = new PlainThemedControl(&other);
    TsuiThemeManager otherManager(&other);
    otherManager.setUIStyle(S::Protein);

    manager.linkWindow(&other);
    EXPECT_EQ(nested->UIStyle(), S::MacOS);
    EXPECT_EQ(nested->order, QStringLiteral("TS")); // the theme first: one reading
    EXPECT_EQ(plain->themeSets, 0);
    EXPECT_EQ(otherManager.UIStyle(), S::Protein); // a manager is not restyled

    manager.setFileTheme(&theme);
    manager.setUIStyle(S::FromThemeFile);
    EXPECT_EQ(nested->UIStyle(), S::FromThemeFile);
    EXPECT_EQ(nested->FileTheme(), &theme);
    // The owner form is not linked by owning the manager: only what is listed or linked.
    EXPECT_EQ(unlisted->styleSets, 0);

    // Linking twice pushes again but does not push twice afterwards.
    manager.linkWindow(&other);
    const int before = nested->styleSets;
    manager.setUIStyle(S::BlueGlass);
    EXPECT_EQ(nested->styleSets, before + 1);
    manager.linkWindow(nullptr);
}

TEST_F(ThemeManagerTest, ADestroyedLinkedWindowIsLetGo) {
    TsuiThemeManager manager(&form);
    auto* other = new QWidget;
    auto* control = new TsuiFakeControl(other);
    manager.linkWindow(other);
    EXPECT_EQ(control->UIStyle(), S::DeepBlue);
    delete other;
    manager.setUIStyle(S::WinXP); // would touch freed memory if the window were kept
    EXPECT_EQ(manager.UIStyle(), S::WinXP);
}

} // namespace
