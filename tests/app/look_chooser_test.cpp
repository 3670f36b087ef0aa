// The "Вид" menu: each look restyles every open window at once, is saved and comes back
// at the next start; a theme file built by kalmo-theme is taken as it is, read again when
// chosen again, and a damaged one changes nothing.
#include "app/about_window.h"
#include "app/look_chooser.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "photos/images_folder_setting.h"
#include "platform/message_box_recorder.h"
#include "skin/frame/message_window.h"
#include "skin/themes/style_reader.h"
#include "skin/themes/theme_elements.h"
#include "support/file_dialog_answer.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"
#include "support/theme_tool.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace skin::themes;

namespace {

using S = TsuiUIStyle;
constexpr QRgb kThemeBorder = 0x12AB34;
constexpr QRgb kRebuiltBorder = 0x5634AB;

// The colour of a window's left border strip, half-way down.
QRgb borderPixel(QWidget* window) {
    return window->grab().toImage().pixel(0, window->height() / 2) & 0xFFFFFF;
}

QRgb styleBorder(S style) {
    return StyleReader(nullptr, style).color(ThemeElement::FormBorderColor).toQColor().rgb() &
           0xFFFFFF;
}

// A folder kalmo-theme builds a whole look from: DeepBlue's pictures and values, with the
// given border colour.
void writeThemeFolder(const QString& folder, QRgb border) {
    ASSERT_TRUE(QDir().mkpath(folder));
    const StyleReader deepBlue(nullptr, S::DeepBlue);
    QByteArray values;
    for (int e = 1; e <= ThemeElement::Count; ++e) {
        const QByteArray key(elementKey(e));
        switch (elementKindOf(e)) {
        case ElementKind::Image:
            ASSERT_TRUE(deepBlue.image(e).save(QDir(folder).filePath(key + ".bmp"), "BMP"));
            break;
        case ElementKind::Color: {
            const QRgb rgb = e == ThemeElement::FormBorderColor
                                 ? border
                                 : deepBlue.color(e).toQColor().rgb() & 0xFFFFFF;
            values += key + "=#" + QByteArray::number(rgb, 16).rightJustified(6, '0') + "\n";
            break;
        }
        case ElementKind::Bool:
            values += key + (deepBlue.flag(e) ? "=True\n" : "=False\n");
            break;
        case ElementKind::Int:
            values += key + "=" + QByteArray::number(deepBlue.integer(e)) + "\n";
            break;
        }
    }
    QFile file(QDir(folder).filePath("values.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(values);
}

void buildTheme(const QString& folder, const QString& file, QRgb border) {
    writeThemeFolder(folder, border);
    QString errors;
    ASSERT_EQ(runKalmoTheme({QStringLiteral("build"), folder, file}, &errors), 0)
        << errors.toStdString();
    ASSERT_FALSE(errors.contains(QStringLiteral("warning")))
        << errors.toStdString(); // none left out
}

// The program's windows as main() wires them, shown.
class LookChooserTest : public ::testing::Test {
protected:
    LookChooserTest() {
        photos::saveImagesFolder(settings.path()); // no question about it on showing
        start();
    }
    void start() {
        form4 = std::make_unique<TForm4>();
        form3 = std::make_unique<TForm3>();
        form1 = std::make_unique<TForm1>();
        form1->setAboutWindow(form4.get());
        form1->setImagesFolderDialog(form3.get());
        for (QWidget* window : windows()) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
    }
    void restart() {
        form1.reset();
        form3.reset();
        form4.reset();
        start();
    }
    QList<QWidget*> windows() const { return {form1.get(), form4.get(), form3.get()}; }
    app::LookChooser& chooser() const { return *form1->lookChooser(); }
    // The style of each window's frame and of the message window the main window shows.
    QList<S> windowStyles() const {
        const std::unique_ptr<TfrmMsg> message = form1->ui.suiMessageDialog1->buildWindow();
        return {form1->ui.suiForm1->UIStyle(), form4->ui.suiForm1->UIStyle(),
                form3->ui.suiForm1->UIStyle(), message->suiForm1->UIStyle()};
    }
    QList<QRgb> borders() const {
        QList<QRgb> result;
        for (QWidget* window : windows())
            result << borderPixel(window);
        return result;
    }
    QStringList ticked() const {
        QStringList names;
        for (QAction* item : chooser().menu()->actions())
            if (item->isChecked())
                names << item->text();
        return names;
    }
    QString themePath(const QString& name) const { return settings.folder().filePath(name); }

    ScopedSettingsFolder settings;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm3> form3;
    std::unique_ptr<TForm1> form1;
};

TEST_F(LookChooserTest, EachLookRestylesEveryOpenWindowAtOnceAndIsSaved) {
    EXPECT_EQ(form1->ui.suiThemeManager1->UIStyle(), S::WinXP);
    EXPECT_EQ(form1->ui.suiThemeManager1->FileTheme(), form1->ui.suiFileTheme1);
    EXPECT_TRUE(form1->ui.suiFileTheme1->ThemeFile().isEmpty());
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Windows XP")});
    EXPECT_EQ(borders(), QList<QRgb>(3, styleBorder(S::WinXP)));

    for (S style : {S::MacOS, S::DeepBlue, S::Protein, S::BlueGlass, S::WinXP}) {
        chooser().styleItem(style)->trigger();
        SCOPED_TRACE(app::lookCaption(style).toStdString());
        EXPECT_EQ(windowStyles(), QList<S>(4, style));
        EXPECT_EQ(borders(), QList<QRgb>(3, styleBorder(style)));
        // A control deep inside takes it too.
        EXPECT_EQ(form1->ui.fio->UIStyle(), style);
        EXPECT_EQ(ticked(), QStringList{app::lookCaption(style)});
        EXPECT_FALSE(chooser().themeFileItem()->isVisible());
        EXPECT_EQ(app::loadLook(), (app::Look{style, QString()}));
    }
    const QSettings saved(settings.folder().filePath(QStringLiteral("Kalmo.conf")),
                          QSettings::IniFormat);
    EXPECT_EQ(saved.value(QStringLiteral("Look")).toString(), QStringLiteral("WinXP"));
    EXPECT_EQ(saved.value(QStringLiteral("ImagesPath")).toString(), settings.path());
}

TEST_F(LookChooserTest, WindowsXpChosenAgainDrawsTheWindowsAsBuilt) {
    QList<QImage> built;
    for (QWidget* window : windows())
        built << window->grab().toImage();
    chooser().chooseStyle(S::DeepBlue);
    chooser().chooseStyle(S::WinXP);
    for (int i = 0; i < built.size(); ++i)
        EXPECT_EQ(windows()[i]->grab().toImage(), built[i])
            << windows()[i]->objectName().toStdString();
}

TEST_F(LookChooserTest, ARestartKeepsTheSavedLookAndAGivenOneIsNotSaved) {
    chooser().styleItem(S::Protein)->trigger();
    restart();
    chooser().startWith(app::loadLook());
    EXPECT_EQ(windowStyles(), QList<S>(4, S::Protein));
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Protein")});

    // As "--look BlueGlass" starts it.
    restart();
    EXPECT_TRUE(chooser().startWith(app::Look{S::BlueGlass, QString()}));
    EXPECT_EQ(windowStyles(), QList<S>(4, S::BlueGlass));
    EXPECT_EQ(app::loadLook().style, S::Protein);

    // Nothing saved, or a name that is no look: the program's own.
    QSettings(settings.settingsFile(), QSettings::IniFormat)
        .setValue(QStringLiteral("Look"), QStringLiteral("Aqua"));
    EXPECT_EQ(app::loadLook(), app::Look());
    EXPECT_EQ(app::Look().style, S::WinXP);
}

TEST_F(LookChooserTest, AThemeFileBuiltByTheToolIsUsedAndReadAgainWhenChosenAgain) {
    const QString file = themePath(QStringLiteral("мой вид.theme"));
    buildTheme(themePath(QStringLiteral("folder")), file, kThemeBorder);

    ModalScript script;
    script.then([&](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("lookThemeDialog"));
        chooseInFileDialog(qobject_cast<QFileDialog*>(dialog), file);
    });
    chooser().chooseFileItem()->trigger();
    EXPECT_EQ(script.stepsLeft(), 0);
    EXPECT_EQ(windowStyles(), QList<S>(4, S::FromThemeFile));
    EXPECT_EQ(borders(), QList<QRgb>(3, kThemeBorder));
    EXPECT_EQ(form1->ui.suiFileTheme1->ThemeFile(), file);
    EXPECT_EQ(form1->ui.suiMessageDialog1->buildWindow()->suiForm1->FileTheme(),
              form1->ui.suiFileTheme1);
    EXPECT_TRUE(chooser().themeFileItem()->isVisible());
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("мой вид.theme")});
    EXPECT_EQ(app::loadLook(), (app::Look{S::FromThemeFile, file}));

    // Rebuilt with another border and chosen again: read again, not kept from before.
    QDir(themePath(QStringLiteral("folder"))).removeRecursively();
    buildTheme(themePath(QStringLiteral("folder")), file, kRebuiltBorder);
    chooser().themeFileItem()->trigger();
    EXPECT_EQ(borders(), QList<QRgb>(3, kRebuiltBorder));

    // A built-in look in between, and the theme file again from the restart.
    chooser().chooseStyle(S::MacOS);
    EXPECT_FALSE(chooser().themeFileItem()->isVisible());
    EXPECT_TRUE(chooser().chooseThemeFile(file));
    restart();
    EXPECT_TRUE(chooser().startWith(app::loadLook()));
    EXPECT_EQ(borders(), QList<QRgb>(3, kRebuiltBorder));
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("мой вид.theme")});
}

TEST_F(LookChooserTest, ADamagedThemeFileIsReportedAndChangesNothing) {
    const QString good = themePath(QStringLiteral("good.theme"));
    buildTheme(themePath(QStringLiteral("folder")), good, kThemeBorder);
    QByteArray bytes = readWholeFile(good);
    settings.folder().writeBytes(QStringLiteral("cut.theme"), bytes.left(bytes.size() - 100));
    settings.folder().writeBytes(QStringLiteral("text.theme"), QByteArray(500, 'a'));

    chooser().chooseStyle(S::MacOS);
    const QList<QRgb> before = borders();
    platform::MessageBoxRecorder boxes;
    for (const QString& name : {QStringLiteral("cut.theme"), QStringLiteral("text.theme")}) {
        EXPECT_FALSE(chooser().chooseThemeFile(themePath(name)));
        ASSERT_FALSE(boxes.boxes.isEmpty());
        EXPECT_EQ(boxes.boxes.last().kind, platform::ShownBox::Error);
        EXPECT_TRUE(boxes.boxes.last().text.contains(name))
            << boxes.boxes.last().text.toStdString();
        EXPECT_TRUE(boxes.boxes.last().text.endsWith(QStringLiteral("Вид не изменился.")));
        EXPECT_EQ(windowStyles(), QList<S>(4, S::MacOS));
        EXPECT_EQ(borders(), before);
        EXPECT_EQ(ticked(), QStringList{QStringLiteral("Mac OS")});
        EXPECT_EQ(app::loadLook().style, S::MacOS);
    }

    // While a theme file is in use, a damaged one leaves it in use.
    ASSERT_TRUE(chooser().chooseThemeFile(good));
    EXPECT_FALSE(chooser().chooseThemeFile(themePath(QStringLiteral("cut.theme"))));
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("good.theme")});
    EXPECT_EQ(borders(), QList<QRgb>(3, kThemeBorder));
    EXPECT_EQ(app::loadLook(), (app::Look{S::FromThemeFile, good}));

    // The saved file damaged before a start: the program's own look, and it stays saved.
    settings.folder().writeBytes(QStringLiteral("good.theme"), bytes.left(60));
    restart();
    EXPECT_FALSE(chooser().startWith(app::loadLook()));
    EXPECT_EQ(windowStyles(), QList<S>(4, S::WinXP));
    EXPECT_EQ(ticked(), QStringList{QStringLiteral("Windows XP")});
    EXPECT_EQ(app::loadLook(), (app::Look{S::FromThemeFile, good}));
}

TEST_F(LookChooserTest, AWindowMadeLaterTakesTheLookInUse) {
    TForm1 alone; // makes its own About window when asked
    alone.lookChooser()->chooseStyle(S::BlueGlass);
    S aboutStyle = S::FromThemeFile;
    ModalScript script;
    script.then([&](QWidget* about) {
        aboutStyle = static_cast<TForm4*>(about)->ui.suiForm1->UIStyle();
        static_cast<QDialog*>(about)->reject();
    });
    alone.ToolButton5Click();
    EXPECT_EQ(aboutStyle, S::BlueGlass);
}

TEST_F(LookChooserTest, TheMenuIsReachedByKeysAndReadByScreenReaders) {
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    QMenu* list = chooser().menu();
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString()) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                 : QApplication::activeWindow();
        ASSERT_NE(target, nullptr);
        QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
    };
    // F10 opens "Файл"; Right moves to "Вид" on its first look.
    press(Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form1->ui.N1->menu()->isVisible(); }));
    press(Qt::Key_Right);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    EXPECT_EQ(list->activeAction(), chooser().styleItem(S::WinXP));
    press(Qt::Key_Down);
    EXPECT_EQ(list->activeAction(), chooser().styleItem(S::MacOS));
    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
    EXPECT_EQ(form1->ui.suiForm1->UIStyle(), S::MacOS);

    // Alt with В, on the Russian layout or by the Latin key that carries it.
    press(Qt::Key(0x0412), Qt::AltModifier, QStringLiteral("в"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));
    press(Qt::Key_D, Qt::AltModifier, QStringLiteral("d"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible(); }));

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Вид"));
    QStringList names;
    QList<bool> checked;
    for (int i = 0; i < reader->childCount(); ++i) {
        if (reader->child(i)->state().invisible && !list->actions()[i]->isVisible())
            continue;
        names << reader->child(i)->text(QAccessible::Name);
        checked << bool(reader->child(i)->state().checked);
    }
    EXPECT_EQ(names, (QStringList{"Windows XP", "Mac OS", "Deep Blue", "Protein", "Blue Glass", "",
                                  "Тема из файла…"}));
    EXPECT_EQ(checked, (QList<bool>{false, true, false, false, false, false, false}));
}

} // namespace
