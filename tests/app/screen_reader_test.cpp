// The main window through the accessibility interfaces a screen reader uses: the items
// of "Файл" with their names and states, the status bar's text once a photo is shown,
// and the photo's action.
#include "support/jpeg_fixture.h"
#include "support/record_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>
#include <gtest/gtest.h>

using namespace record_fixture;

namespace {

// Takes the files the program asks the desktop to open.
class OpenedFiles : public QObject {
    Q_OBJECT

public:
    OpenedFiles() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~OpenedFiles() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

TEST(ScreenReader, TheFileMenuListsItsItemsWithNamesAndStates) {
    WindowFixture base;
    TForm1& form = base.openWindow();
    QAccessibleInterface* bar = accessible(form.ui.suiForm1->findChild<QWidget*>("MenuBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->role(), QAccessible::MenuBar);
    ASSERT_EQ(bar->childCount(), 2); // "Файл" and "Вид"
    EXPECT_EQ(bar->child(1)->text(QAccessible::Name), "Вид");
    QAccessibleInterface* file = bar->child(0);
    EXPECT_EQ(file->role(), QAccessible::MenuItem);
    EXPECT_EQ(file->text(QAccessible::Name), "Файл");
    QAccessibleInterface* list = file->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::PopupMenu);

    const QStringList names = {"Загрузить резервную копию",
                               "Создать резервную копию",
                               "",
                               "Изменить путь",
                               "Очистить базу",
                               "Импорт контактов…",
                               "Экспорт контактов…",
                               "",
                               "Выход"};
    ASSERT_EQ(list->childCount(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QAccessibleInterface* item = list->child(i);
        const bool separator = names[i].isEmpty();
        EXPECT_EQ(item->role(), separator ? QAccessible::Separator : QAccessible::MenuItem) << i;
        EXPECT_EQ(item->text(QAccessible::Name), names[i]) << i;
        // The base is empty: there is nothing to export.
        const bool exportItem = names[i] == "Экспорт контактов…";
        EXPECT_EQ(item->state().disabled, separator || exportItem) << i;
        EXPECT_FALSE(item->state().checked) << i;
    }
    // A disabled item is reported so, and its state follows the item.
    form.ui.N5->setEnabled(false);
    EXPECT_TRUE(list->child(4)->state().disabled);
    EXPECT_TRUE(list->child(4)->actionInterface()->actionNames().isEmpty());
}

TEST(ScreenReader, TheStatusBarReadsThePhotoPathAndThePhotoOffersPress) {
    WindowFixture base;
    const QString photo = base.folder.filePath("Иванов.jpg");
    jpeg_fixture::writeFile(photo, {60, 40});
    base.writeDataFile({makeRecord("Иванов", "", "", "", "", photo), makeRecord("Петров")});
    TForm1& form = base.openWindow();

    QAccessibleInterface* status = accessible(form.ui.suiStatusBar1);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), photo);
    EXPECT_EQ(status->child(0)->text(QAccessible::Name), photo);

    QAccessibleInterface* picture = accessible(form.ui.Image1);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    QAccessibleActionInterface* actions = picture->actionInterface();
    const QString press = QAccessibleActionInterface::pressAction();
    ASSERT_EQ(actions->actionNames(), QStringList{press});
    EXPECT_EQ(actions->localizedActionDescription(press), "Открыть для просмотра в редакторе");
    OpenedFiles opened;
    actions->doAction(press);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(photo)});
}

#include "screen_reader_test.moc"
