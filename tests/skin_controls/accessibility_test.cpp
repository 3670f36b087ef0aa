// What a screen reader learns of the windows' controls through Qt's accessibility
// interfaces: a name for each control, and the skinned buttons' pressed and disabled states.
#include "app/about_window.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/accessible_names.h"
#include "skin/controls/button.h"
#include "skin/controls/group_box.h"
#include "skin/controls/toolbar.h"
#include "support/photo_fixture.h"
#include "support/record_fixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QString nameOf(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

QAccessible::State stateOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->state();
}

// Every control a user can reach in the window (buttons, edit boxes, combo boxes, group
// boxes) that is not hidden must be announced by some name.
int expectEveryControlNamed(QWidget* window) {
    window->ensurePolished();
    int controls = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QComboBox*>(w) || qobject_cast<TsuiGroupBox*>(w);
        // The combo box's own line edit is announced as part of the combo box.
        if (!control || w->isHidden() || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        ++controls;
        EXPECT_FALSE(nameOf(w).trimmed().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    return controls;
}

class Accessibility : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::installAccessibleNames(); }
    record_fixture::WindowFixture base;
};

TEST_F(Accessibility, MainWindowControlsAreNamedByCaptionOrHint) {
    base.writeDataFile({makeRecord("Иванов")});
    TForm1& form = base.openWindow();
    EXPECT_GT(expectEveryControlNamed(&form), 20);

    const std::pair<QWidget*, const char*> expected[] = {
        {form.ui.next, "Следующая запись"},
        {form.ui.previous, "Предыдущая запись"},
        {form.ui.suiButton2, "Изменить"},
        {form.ui.suiButton3, "Заменить"},
        // Sign-only captions give way to the hint.
        {form.ui.suiButton5, "Добавить изображение"},
        {form.ui.suiButton4, "Убрать изображение"},
        // Glyph-only tool buttons are named by their hints.
        {form.ui.new_, "Новая запись"},
        {form.ui.ToolButton1, "Найти"},
        {form.ui.data, "Данные"},
        {form.ui.suiGroupBox2, "Навигация"},
        // Edit boxes are named by the label beside them.
        {form.ui.fio, "ФИО"},
        {form.ui.rabota, "Место работы"},
        {form.ui.email, "E-mail"},
        {form.ui.suiComboBox1, "ФИО для поиска"},
    };
    for (const auto& [widget, name] : expected)
        EXPECT_EQ(nameOf(widget), QString::fromUtf8(name)) << widget->objectName().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.ui.next)->role(), QAccessible::Button);
}

TEST_F(Accessibility, OtherWindowsAreNamedToo) {
    ScopedSettingsFolder settings;
    TForm4 about;
    expectEveryControlNamed(&about);
    // Its links are labels, announced by their text.
    for (const char* link : {"suiURLLabel1", "suiURLLabel2"})
        EXPECT_FALSE(nameOf(about.findChild<QWidget*>(link)).isEmpty()) << link;
    TForm3 dialog;
    EXPECT_EQ(expectEveryControlNamed(&dialog), 5);
    EXPECT_EQ(nameOf(dialog.ui.Edit1), "Путь к папке с изображениями");
    EXPECT_EQ(nameOf(dialog.ui.suiButton1), "Выбрать папку");
}

TEST_F(Accessibility, NamesFollowHintChangesButKeepNamesSetByHand) {
    QWidget window;
    auto* bar = new TsuiToolBar(&window);
    TsuiToolButton* tool = bar->addButton("tool", QIcon(), QStringLiteral("Первая"));
    auto* named = new TsuiButton(&window);
    named->setCaption(QStringLiteral("&Сохранить"));
    auto* byHand = new TsuiButton(&window);
    byHand->setCaption(QStringLiteral("+"));
    byHand->setAccessibleName(QStringLiteral("Своё имя"));
    window.ensurePolished();
    EXPECT_EQ(nameOf(tool), "Первая");
    // The accelerator mark is not read out.
    EXPECT_EQ(nameOf(named), "Сохранить");
    tool->setToolTip(QStringLiteral("Вторая"));
    EXPECT_EQ(nameOf(tool), "Вторая");
    byHand->setToolTip(QStringLiteral("Подсказка"));
    EXPECT_EQ(nameOf(byHand), "Своё имя");
}

TEST_F(Accessibility, SkinnedButtonReportsPressedAndDisabledStates) {
    QWidget window;
    auto* button = new TsuiButton(&window);
    button->setCaption(QStringLiteral("Готово"));
    button->setGeometry(0, 0, 80, 27);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    EXPECT_FALSE(stateOf(button).pressed);
    EXPECT_FALSE(stateOf(button).disabled);

    QTest::mousePress(button, Qt::LeftButton, {}, {10, 10});
    EXPECT_TRUE(stateOf(button).pressed);
    QTest::mouseRelease(button, Qt::LeftButton, {}, {10, 10});
    EXPECT_FALSE(stateOf(button).pressed);
    EXPECT_EQ(clicks.count(), 1);

    // Space holds the button down until it is let go.
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(stateOf(button).pressed);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(stateOf(button).pressed);
    EXPECT_EQ(clicks.count(), 2);

    // The press action clicks, and does nothing while the button is disabled.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(iface->actionInterface(), nullptr);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 3);
    button->setEnabled(false);
    EXPECT_TRUE(stateOf(button).disabled);
    EXPECT_TRUE(iface->actionInterface()->actionNames().isEmpty());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(Accessibility, MainWindowButtonsReportTheirEnabledStateAfterNew) {
    base.writeDataFile({makeRecord("Иванов"), makeRecord("Петров")});
    TForm1& form = base.openWindow();
    form.ui.new_->click();
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             form.ui.next, form.ui.previous, form.ui.first, form.ui.last, form.ui.suiButton2,
             form.ui.suiButton5})
        EXPECT_EQ(stateOf(b).disabled, !b->isEnabled()) << b->objectName().toStdString();
    // "Новая" leaves navigation off and "+" on.
    EXPECT_TRUE(stateOf(form.ui.next).disabled);
    EXPECT_FALSE(stateOf(form.ui.suiButton5).disabled);
}

} // namespace
