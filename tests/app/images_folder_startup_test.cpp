#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "skin/frame/message_window.h"
#include "support/modal_script.h"
#include "support/photo_fixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One start of the program: the main window and the images-folder dialog, linked as at
// start-up, over a base folder and settings of the test's own.
struct StartUp {
    explicit StartUp(const QString& baseFolder) {
        platform::BaseFolder::set(baseFolder);
        form = std::make_unique<TForm1>();
        dialog = std::make_unique<TForm3>();
        form->setImagesFolderDialog(dialog.get());
        dialog->setRefreshButton(form->ui.Button1);
    }
    // Shows the main window and lets the start-up check run to its end.
    void show(ModalScript& script) {
        form->show();
        QTest::qWait(50);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return script.stepsLeft() == 0 && !dialog->isVisible(); }));
    }
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm3> dialog;
};

struct Warning {
    QString caption, text;
    QStringList buttons;
    bool handCursor = false;
};

ModalScript::Step answerWarning(Warning* seen) {
    return [seen](QWidget* window) {
        auto* box = qobject_cast<TfrmMsg*>(window);
        ASSERT_NE(box, nullptr);
        seen->caption = box->suiForm1->Caption();
        seen->text = box->lbl->text();
        for (TsuiButton* button : box->buttons()) {
            seen->buttons << button->text();
            seen->handCursor = button->cursor().shape() == Qt::PointingHandCursor;
        }
        EXPECT_TRUE(box->Image1->isHidden());
        QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    };
}

} // namespace

TEST(ImagesFolderStartUp, NoFolderWarnsThenAsksAndCancelLeavesItUnset) {
    QTemporaryDir base;
    ScopedSettingsFolder settings;
    platform::MessageBoxRecorder boxes;
    for (int start = 1; start <= 2; ++start) {
        StartUp app(base.path());
        Warning warning;
        bool dialogShown = false;
        ModalScript script;
        script.then(answerWarning(&warning)).then([&](QWidget* window) {
            dialogShown = window == app.dialog.get();
            QTest::mouseClick(app.dialog->ui.suiButton4, Qt::LeftButton);
        });
        app.show(script);
        EXPECT_NE(app.form->findChild<TsuiMessageDialog*>("suiMessageDialog1"), nullptr);
        EXPECT_EQ(warning.caption, "Внимание!");
        EXPECT_EQ(warning.text, "Необходимо задать путь к папке с изображениями");
        EXPECT_EQ(warning.buttons, QStringList{"OK"});
        EXPECT_TRUE(warning.handCursor);
        EXPECT_TRUE(dialogShown);
        EXPECT_EQ(app.form->imagesFolder(), QString());
        EXPECT_FALSE(QFile::exists(settings.settingsFile()));
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(ImagesFolderStartUp, ApplyFromTheCheckSavesRefreshesAndTheNextStartIsQuiet) {
    QTemporaryDir base;
    ScopedSettingsFolder settings;
    {
        StartUp app(base.path());
        QSignalSpy refreshes(app.form->ui.Button1, &QPushButton::clicked);
        Warning warning;
        ModalScript script;
        script.then(answerWarning(&warning)).then([&](QWidget*) {
            app.dialog->ui.Edit1->setText("/srv/photos");
            QTest::mouseClick(app.dialog->ui.suiButton3, Qt::LeftButton);
        });
        app.show(script);
        EXPECT_EQ(refreshes.count(), 1);
        EXPECT_EQ(settings.savedImagesFolder(), "/srv/photos");
        EXPECT_EQ(app.form->imagesFolder(), "/srv/photos");
    }
    StartUp next(base.path());
    ModalScript quiet;
    next.show(quiet);
    QTest::qWait(50);
    EXPECT_TRUE(quiet.seen.isEmpty()) << quiet.seen.join(", ").toStdString();
    EXPECT_EQ(next.form->imagesFolder(), "/srv/photos");
}

TEST(ImagesFolderStartUp, AFolderTypedThenCancelledServesThisRunOnly) {
    QTemporaryDir base;
    ScopedSettingsFolder settings;
    settings.writeSettingsFile("[General]\nImagesPath=/saved\n");
    StartUp app(base.path());
    ModalScript script;
    script.then([&](QWidget* window) {
        EXPECT_EQ(window, app.dialog.get());
        app.dialog->ui.Edit1->setText("/typed");
        QTest::mouseClick(app.dialog->ui.suiButton4, Qt::LeftButton);
    });
    app.form->ui.N15->trigger();
    EXPECT_EQ(script.stepsLeft(), 0);
    EXPECT_EQ(app.form->imagesFolder(), "/typed");
    EXPECT_EQ(settings.savedImagesFolder(), "/saved");
}
