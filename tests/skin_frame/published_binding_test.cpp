#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/menu_skin.h"
#include "skin/controls/toolbar.h"
#include "skin/frame/message_dialog.h"
#include "skin/frame/status_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"

#include <gtest/gtest.h>

#include <QMetaProperty>

namespace {

// The published properties of a class, in the order its meta-object lists them, from the
// first one the class declares itself.
QStringList ownProperties(const QMetaObject& meta) {
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << QString::fromLatin1(meta.property(i).name());
    return names;
}

} // namespace

// Other code finds a component's look by these two names (style inheritance, the file theme,
// the theme manager): every skinned class must publish both, writable, as its design lists.
TEST(PublishedBinding, EverySkinnedClassPublishesFileThemeThenUIStyle) {
    const QList<const QMetaObject*> classes = {
        &TsuiButton::staticMetaObject,    &TsuiComboBox::staticMetaObject,
        &TsuiEdit::staticMetaObject,      &TsuiGroupBox::staticMetaObject,
        &TsuiMenu::staticMetaObject,      &TsuiToolBar::staticMetaObject,
        &TsuiStatusBar::staticMetaObject, &TsuiForm::staticMetaObject,
        &TsuiTitleBar::staticMetaObject,  &TsuiDialog::staticMetaObject};
    for (const QMetaObject* meta : classes) {
        SCOPED_TRACE(meta->className());
        const int fileTheme = meta->indexOfProperty("FileTheme");
        const int style = meta->indexOfProperty("UIStyle");
        ASSERT_GE(fileTheme, 0);
        ASSERT_GE(style, 0);
        EXPECT_LT(fileTheme, style);
        EXPECT_TRUE(meta->property(fileTheme).isWritable());
        EXPECT_TRUE(meta->property(style).isWritable());
    }
}

// The order a class publishes its properties in is part of its stored description.
TEST(PublishedBinding, OrderOfTheFormsAndTitleBarsProperties) {
    EXPECT_EQ(ownProperties(TsuiForm::staticMetaObject).mid(0, 4),
              (QStringList{"TitleBarCustom", "FileTheme", "UIStyle", "UIStyleAutoUpdateSub"}));
    EXPECT_EQ(ownProperties(TsuiTitleBar::staticMetaObject).mid(0, 4),
              (QStringList{"Custom", "FileTheme", "UIStyle", "AutoSize"}));
    EXPECT_EQ(ownProperties(TsuiMenu::staticMetaObject).mid(0, 3),
              (QStringList{"OwnerDraw", "FileTheme", "UIStyle"}));
}
