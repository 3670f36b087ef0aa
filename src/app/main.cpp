#include "app/about_window.h"
#include "app/command_line.h"
#include "app/contact_transfer_command.h"
#include "app/look_chooser.h"
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/accessible_names.h"
#include "platform/base_folder.h"
#include "platform/fonts.h"
#include "platform/toolkit_translations.h"
#include "skin/frame/form_state.h"
#include "skin/themes/skin_resources.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace skin::frame;
using namespace skin::themes;

int main(int argc, char** argv) {
    if (const std::optional<int> exitCode = app::runTransferCommand(argc, argv))
        return *exitCode;
    // Checked before the application object, so a mistyped option needs no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString optionError;
    const std::optional<app::StartOptions> options = app::parseStartOptions(arguments, optionError);
    if (!options) {
        std::fprintf(stderr, "kalmo: %s\n", qPrintable(optionError));
        return app::kBadOptionsExitCode;
    }
    QApplication app(argc, argv);
    platform::BaseFolder::captureWorkingFolder();
    platform::registerInterfaceFonts();
    platform::installAccessibleNames();
    platform::installToolkitTranslations();
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(loadSkinResource("MAINICON"))));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kalmo"));

    // Created in this order; the first is the main window, whose closing ends the run.
    TForm1 form1;
    setMainForm(&form1);
    TForm4 form4;
    TForm2 form2;
    TForm3 form3;
    form1.setAboutWindow(&form4);
    form1.setReportGridWindow(&form2);
    form1.setImagesFolderDialog(&form3);
    form3.setRefreshButton(form1.ui.Button1);
    // The saved look, or the one asked for on the command line, which is not saved.
    form1.lookChooser()->startWith(options->look ? app::Look{*options->look, QString()}
                                                 : app::loadLook());

    form1.move(form1.screen()->availableGeometry().center() - form1.rect().center());
    form1.show();
    // "Open with" hands over a contact file: it is imported once the window is up.
    if (const std::optional<QString> contacts = app::contactFileArgument(options->rest))
        QTimer::singleShot(0, &form1, [&form1, path = *contacts] {
            form1.guarded([&form1, &path] { form1.importContactFile(path); });
        });
    return app.exec();
}
