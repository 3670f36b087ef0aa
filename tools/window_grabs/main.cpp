// kalmo-window-grabs OUTDIR: grabs every window of the program in every look, as PNG files
// OUTDIR/LOOK-WINDOW.png, so a change meant to leave the screen alone can be checked pixel
// for pixel against the grabs of the code before it (scripts/compare-grabs.py).
// kalmo-window-grabs --gallery FILE.png: one picture of every window in every look the
// "Вид" menu offers, to look at side by side.
#include "gallery.h"
#include "grab_folder.h"
#include "program_windows.h"
#include "window_grabber.h"
#include "window_looks.h"

#include "app/about_window.h"
#include "app/export_window.h"
#include "app/import_window.h"
#include "app/look_chooser.h"
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/fonts.h"
#include "skin/frame/form_state.h"
#include "skin/frame/message_window.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/title_bar_popup_menu.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include <cstdio>
#include <memory>

using namespace skin::frame;

namespace {

// Where the main menu's list is popped up; the grab does not depend on it.
const QPoint kMenuPlace(60, 100);

// Message dialogs with each icon and one to three buttons, owned by the main window and
// written in the fonts of its own dialog, which has no icon.
struct IconDialog {
    const char* name;
    TsuiMessageDialog::TsuiIconType icon;
    int buttons;
};
constexpr IconDialog kIconDialogs[] = {{"warning", TsuiMessageDialog::suiWarning, 1},
                                       {"stop", TsuiMessageDialog::suiStop, 2},
                                       {"information", TsuiMessageDialog::suiInformation, 3},
                                       {"help", TsuiMessageDialog::suiHelp, 3}};

QList<TsuiMessageDialog*> makeIconDialogs(TForm1& form) {
    QList<TsuiMessageDialog*> dialogs;
    for (const IconDialog& kind : kIconDialogs) {
        auto* dialog = new TsuiMessageDialog(&form);
        dialog->setCaption(QStringLiteral("Сообщение"));
        dialog->setText(QStringLiteral("Файл Baza.dat занят другой программой. Закройте её и "
                                       "повторите попытку."));
        dialog->setIconType(kind.icon);
        dialog->setButtonCount(kind.buttons);
        dialog->setButton2Caption(QStringLiteral("Отмена"));
        dialog->setButton3Caption(QStringLiteral("Справка"));
        dialog->setFont(form.ui.suiMessageDialog1->Font());
        dialog->setCaptionFont(form.ui.suiMessageDialog1->CaptionFont());
        dialog->setCaptionFontColor(form.ui.suiMessageDialog1->captionFontColor());
        dialogs << dialog;
    }
    return dialogs;
}

void grabMessage(WindowGrabber& grabber, const TsuiMessageDialog& dialog, const QString& name) {
    const std::unique_ptr<TfrmMsg> window = dialog.buildWindow();
    grabber.grabShown(window.get(), name);
}

void grabMenus(WindowGrabber& grabber, TForm1& form) {
    QMenu* file = form.ui.N1->menu();
    file->popup(kMenuPlace);
    grabber.grabPopup(file, QStringLiteral("TForm1-menu-file"));
    file->setActiveAction(form.ui.N15);
    grabber.grabPopup(file, QStringLiteral("TForm1-menu-file-selected"));
    file->hide();
    QMenu* look = form.lookChooser()->menu();
    look->popup(kMenuPlace);
    grabber.grabPopup(look, QStringLiteral("TForm1-menu-look"));
    look->hide();

    // Where Alt+Space opens the window menu: under the title bar.
    TsuiTitleBar* bar = form.ui.suiForm1->TitleBar();
    TsuiTitleBarPopupMenu* windowMenu = bar->PopupMenu();
    windowMenu->Popup(form.pos() + QPoint(0, bar->height()));
    grabber.grabPopup(windowMenu, QStringLiteral("TForm1-menu-window"));
    windowMenu->hide();
}

// The export window, and the import window on a vCard and on a CSV file.
void grabTransferWindows(WindowGrabber& grabber, const GrabFolder& folder, const WindowLook& look,
                         TForm1& form) {
    app::ExportWindow exportWindow(form.state().file, &form);
    applyLook(&exportWindow, look, folder.themeFile());
    grabber.grabShown(&exportWindow, QStringLiteral("ExportWindow"));
    exportWindow.hide();
    const QList<std::pair<QString, QString>> files = {{folder.vCardFile(), "ImportWindow-vcard"},
                                                      {folder.csvFile(), "ImportWindow-csv"}};
    for (const auto& [file, name] : files) {
        app::ImportWindow importWindow(form.state().file, form.imagesFolder(), &form);
        importWindow.openFile(file);
        applyLook(&importWindow, look, folder.themeFile());
        grabber.grabShown(&importWindow, name);
        importWindow.hide();
    }
}

void grabLook(WindowGrabber& grabber, const GrabFolder& folder, const WindowLook& look) {
    grabber.setLook(look.name);
    folder.writeRecords();
    {
        ProgramWindows windows;
        const QList<TsuiMessageDialog*> iconDialogs = makeIconDialogs(*windows.form1);
        windows.applyLook(look, folder.themeFile());
        TForm1& form1 = *windows.form1;
        grabber.grabShown(&form1, QStringLiteral("TForm1-record"));
        grabMenus(grabber, form1);
        form1.hide();
        grabber.grabShown(windows.form3.get(), QStringLiteral("TForm3"));
        windows.form3->hide();
        grabber.grabShown(windows.form4.get(), QStringLiteral("TForm4"));
        windows.form4->hide();
        // The program never shows it and gives it no size: shown, it is 100 x 30 pixels.
        grabber.grabShown(windows.form2.get(), QStringLiteral("TForm2"));
        windows.form2->hide();
        grabTransferWindows(grabber, folder, look, form1);
        grabMessage(grabber, *form1.ui.suiMessageDialog1, QStringLiteral("TfrmMsg-notice"));
        for (int i = 0; i < iconDialogs.size(); ++i)
            grabMessage(grabber, *iconDialogs[i],
                        QStringLiteral("TfrmMsg-") + QLatin1String(kIconDialogs[i].name));
    }
    folder.removeBase();
    ProgramWindows windows;
    windows.applyLook(look, folder.themeFile());
    grabber.grabShown(windows.form1.get(), QStringLiteral("TForm1-empty"));
}

} // namespace

int main(int argc, char** argv) {
    // The grabs must not depend on a display, its fonts or its scaling.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const bool gallery = args.size() == 2 && args[0] == QLatin1String("--gallery");
    if (args.size() != 1 && !gallery) {
        std::fprintf(stderr, "usage: kalmo-window-grabs OUTDIR\n"
                             "       kalmo-window-grabs --gallery FILE.png\n");
        return 2;
    }
    const QString outDir = args[0];
    if (!gallery && !QDir().mkpath(outDir)) {
        std::fprintf(stderr, "kalmo-window-grabs: cannot make %s\n", qPrintable(outDir));
        return 1;
    }
    // Grabs left from another run would be compared as if this one had made them.
    if (!gallery && !QDir(outDir).entryList({QStringLiteral("*.png")}, QDir::Files).isEmpty()) {
        std::fprintf(stderr, "kalmo-window-grabs: %s already holds PNG files\n",
                     qPrintable(outDir));
        return 1;
    }

    // As a Russian user sees it (the base size is written with a decimal comma), whatever
    // the locale of the machine.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    platform::registerInterfaceFonts();
    // A text cursor that blinks would make two grabs of one window differ.
    QApplication::setCursorFlashTime(0);
    QCursor::setPos(QApplication::primaryScreen()->geometry().bottomRight());

    try {
        GrabFolder folder;
        WindowGrabber grabber(outDir);
        if (gallery) {
            if (!writeGallery(grabber, folder, args[1])) {
                std::fprintf(stderr, "kalmo-window-grabs: no gallery written to %s\n",
                             qPrintable(args[1]));
                return 1;
            }
        } else {
            for (const WindowLook& look : windowLooks())
                grabLook(grabber, folder, look);
            std::printf("%d grabs written to %s\n", grabber.written(), qPrintable(outDir));
        }
        for (const QString& problem : grabber.problems())
            std::fprintf(stderr, "kalmo-window-grabs: %s\n", qPrintable(problem));
        return grabber.problems().isEmpty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kalmo-window-grabs: %s\n", error.what());
        return 1;
    }
}
