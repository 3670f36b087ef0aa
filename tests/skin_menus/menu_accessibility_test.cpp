// The skinned menus as a screen reader reads them through the toolkit's accessibility
// interfaces: the tree from the menu bar down to the items, their names, roles and
// states, the actions, and the events the menu bar raises.
#include "platform/accessible_events.h"
#include "skin/controls/menu_main.h"
#include "skin/frame/form_menu_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/title_bar_popup_menu.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QtTest/QTest>

using namespace skin::frame;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// A shown window with a WinXP skinned form and two menus, "&Правка" after "Файл".
struct MenuWindow {
    MenuWindow() {
        window.resize(300, 200);
        form = new TsuiForm(&window);
        form->setUIStyle(TsuiUIStyle::WinXP);
        menu = new TsuiMainMenu(&window);
        file = menu->addMenu(QStringLiteral("Файл"));
        load = file->addAction(QStringLiteral("&Загрузить"));
        ticked = file->addAction(QStringLiteral("Отмечено"));
        ticked->setCheckable(true);
        ticked->setChecked(true);
        separator = file->addSeparator();
        exit = file->addAction(QStringLiteral("Выход"));
        edit = menu->addMenu(QStringLiteral("&Правка"));
        edit->addAction(QStringLiteral("Копировать"));
        menu->Loaded();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~MenuWindow() {
        file->hide();
        edit->hide();
    }
    MenuBarButton* button(int i) const { return form->MenuBar()->Buttons().at(i); }

    QWidget window;
    TsuiForm* form = nullptr;
    TsuiMainMenu* menu = nullptr;
    QMenu *file = nullptr, *edit = nullptr;
    QAction *load = nullptr, *ticked = nullptr, *separator = nullptr, *exit = nullptr;
};

// The interface among the children of parent with this role, depth first.
QAccessibleInterface* findRole(QAccessibleInterface* parent, QAccessible::Role role) {
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (!child)
            continue;
        if (child->role() == role)
            return child;
        if (QAccessibleInterface* found = findRole(child, role))
            return found;
    }
    return nullptr;
}

} // namespace

TEST(MenuAccessibility, TheTreeLeadsFromTheWindowThroughTheBarToEveryItem) {
    MenuWindow w;
    QAccessibleInterface* bar = findRole(accessible(&w.window), QAccessible::MenuBar);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->object(), w.form->MenuBar());
    ASSERT_EQ(bar->childCount(), 2);

    QAccessibleInterface* fileItem = bar->child(0);
    EXPECT_EQ(fileItem->role(), QAccessible::MenuItem);
    EXPECT_EQ(fileItem->text(QAccessible::Name), "Файл");
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "Правка");
    EXPECT_TRUE(fileItem->state().hasPopup);
    EXPECT_FALSE(fileItem->state().expanded);

    ASSERT_EQ(fileItem->childCount(), 1);
    QAccessibleInterface* list = fileItem->child(0);
    EXPECT_EQ(list->role(), QAccessible::PopupMenu);
    EXPECT_EQ(list->object(), w.file);
    EXPECT_EQ(list->text(QAccessible::Name), "Файл");
    // The list names the bar's item as its parent, not the hidden main menu.
    EXPECT_EQ(list->parent(), fileItem);
    EXPECT_EQ(fileItem->indexOfChild(list), 0);

    ASSERT_EQ(list->childCount(), 4);
    const QAccessible::Role roles[] = {QAccessible::MenuItem, QAccessible::MenuItem,
                                       QAccessible::Separator, QAccessible::MenuItem};
    const char* names[] = {"Загрузить", "Отмечено", "", "Выход"};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* item = list->child(i);
        EXPECT_EQ(item->role(), roles[i]) << i;
        EXPECT_EQ(item->text(QAccessible::Name), QString::fromUtf8(names[i])) << i;
        EXPECT_EQ(item->parent(), list) << i;
        EXPECT_EQ(list->indexOfChild(item), i);
    }

    // A list opened from an item of another list hangs under that item.
    QMenu* nested = w.edit->addMenu(QStringLiteral("Вставить"));
    QAccessibleInterface* opener = accessible(w.edit)->child(1);
    EXPECT_TRUE(opener->state().hasPopup);
    EXPECT_EQ(opener->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::showMenuAction()});
    ASSERT_EQ(opener->childCount(), 1);
    EXPECT_EQ(opener->child(0)->object(), nested);
    EXPECT_EQ(opener->child(0)->parent(), opener);
}

TEST(MenuAccessibility, ItemsReportEnabledCheckedAndFocusedStates) {
    MenuWindow w;
    w.exit->setEnabled(false);
    QAccessibleInterface* list = accessible(w.file);
    QAccessible::State load = list->child(0)->state();
    EXPECT_FALSE(load.disabled);
    EXPECT_TRUE(load.focusable);
    EXPECT_FALSE(load.checkable);
    EXPECT_TRUE(load.invisible); // the list is closed
    QAccessible::State ticked = list->child(1)->state();
    EXPECT_TRUE(ticked.checkable);
    EXPECT_TRUE(ticked.checked);
    w.ticked->setChecked(false);
    EXPECT_FALSE(list->child(1)->state().checked);
    EXPECT_TRUE(list->child(2)->state().disabled); // a separator is never usable
    EXPECT_FALSE(list->child(2)->state().focusable);
    EXPECT_TRUE(list->child(3)->state().disabled);
    EXPECT_TRUE(list->child(3)->actionInterface()->actionNames().isEmpty());

    // Opened from the keyboard: the bar's item is expanded and the selected item is the
    // focused child, which is what a reader fetches when the list reports the focus.
    ASSERT_TRUE(w.form->MenuBar()->openMenu(0));
    QAccessibleInterface* fileItem = accessible(w.button(0));
    EXPECT_TRUE(fileItem->state().expanded);
    EXPECT_TRUE(fileItem->state().focused);
    EXPECT_FALSE(list->child(0)->state().invisible);
    EXPECT_TRUE(list->child(0)->state().focused);
    QTest::keyClick(w.file, Qt::Key_Down);
    EXPECT_FALSE(list->child(0)->state().focused);
    const int current = int(w.file->actions().indexOf(w.file->activeAction()));
    EXPECT_EQ(current, 1);
    EXPECT_TRUE(list->child(current)->state().focused);
    EXPECT_TRUE(list->child(current)->state().selected);
    // Down passes over the separator and the disabled item and comes round to the top.
    QTest::keyClick(w.file, Qt::Key_Down);
    EXPECT_TRUE(list->child(0)->state().focused);
}

TEST(MenuAccessibility, PressActionsRunTheItemAndOpenTheList) {
    MenuWindow w;
    QSignalSpy ran(w.load, &QAction::triggered);
    ASSERT_TRUE(w.form->MenuBar()->openMenu(0));
    QAccessibleInterface* load = accessible(w.file)->child(0);
    ASSERT_EQ(load->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    load->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(ran.count(), 1);
    EXPECT_FALSE(w.file->isVisible()); // choosing an item closes its list

    QAccessibleInterface* editItem = accessible(w.button(1));
    editItem->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(w.edit->isVisible());
    // A disabled item of the bar offers nothing.
    w.menu->actions().at(0)->setEnabled(false);
    EXPECT_TRUE(accessible(w.button(0))->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(accessible(w.button(0))->state().disabled);
}

TEST(MenuAccessibility, TheBarAnnouncesOpeningAndClosingAndLeftRightMoveBetweenLists) {
    MenuWindow w;
    platform::AccessibleEventRecorder events;
    ASSERT_TRUE(w.form->MenuBar()->openMenu(0));
    EXPECT_EQ(events.count(QAccessible::MenuStart, w.form->MenuBar()), 1);
    EXPECT_EQ(events.count(QAccessible::Focus, w.button(0)), 1);

    QTest::keyClick(w.file, Qt::Key_Right);
    EXPECT_FALSE(w.file->isVisible());
    EXPECT_TRUE(w.edit->isVisible());
    EXPECT_EQ(events.count(QAccessible::Focus, w.button(1)), 1);
    QTest::keyClick(w.edit, Qt::Key_Right); // round to the first
    EXPECT_TRUE(w.file->isVisible());
    QTest::keyClick(w.file, Qt::Key_Left);
    EXPECT_TRUE(w.edit->isVisible());

    QTest::keyClick(w.edit, Qt::Key_Escape);
    EXPECT_FALSE(w.edit->isVisible());
    EXPECT_EQ(events.count(QAccessible::MenuEnd, w.form->MenuBar()),
              events.count(QAccessible::MenuStart, w.form->MenuBar()));
}

TEST(MenuAccessibility, TheWindowMenuIsAMenuOfNamedItems) {
    MenuWindow w;
    TsuiTitleBarPopupMenu* windowMenu = w.form->TitleBar()->PopupMenu();
    windowMenu->updateItems();
    w.form->setCaption(QStringLiteral("Записная книжка"));
    // It sits under the title bar, which is named by the caption.
    QAccessibleInterface* titleBar = findRole(accessible(&w.window), QAccessible::TitleBar);
    ASSERT_NE(titleBar, nullptr);
    EXPECT_EQ(titleBar->text(QAccessible::Name), "Записная книжка");
    QAccessibleInterface* list = titleBar->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->object(), windowMenu);
    EXPECT_EQ(list->parent(), titleBar);
    EXPECT_EQ(list->role(), QAccessible::PopupMenu);
    ASSERT_EQ(list->childCount(), 4);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "Minimize");
    EXPECT_EQ(list->child(1)->text(QAccessible::Name), "Maximize/Restore");
    EXPECT_EQ(list->child(2)->role(), QAccessible::Separator);
    EXPECT_EQ(list->child(3)->text(QAccessible::Name), "Close");
    // The form's default bar has every button, so every item is usable.
    EXPECT_FALSE(list->child(3)->state().disabled);
    QList<TsuiTitleBarButton> buttons;
    for (const TsuiTitleBarButton& b : w.form->TitleBar()->Buttons()) {
        if (b.ButtonType != TsuiTitleBarBtnType::suiMax)
            buttons << b;
    }
    w.form->setTitleBarButtons(buttons);
    windowMenu->updateItems();
    EXPECT_TRUE(list->child(1)->state().disabled);
    EXPECT_FALSE(list->child(0)->state().disabled);
}
