#pragma once

#include "window_looks.h"

#include "app/about_window.h"
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "photos/images_folder_dialog.h"
#include "skin/frame/form_state.h"

#include <QPushButton>

#include <memory>

inline std::unique_ptr<TForm1> makeMainWindow() {
    auto form = std::make_unique<TForm1>();
    skin::frame::setMainForm(form.get());
    return form;
}

// The windows the program makes at start, in its order and wired as it wires them.
struct ProgramWindows {
    std::unique_ptr<TForm1> form1 = makeMainWindow();
    std::unique_ptr<TForm4> form4 = std::make_unique<TForm4>();
    std::unique_ptr<TForm2> form2 = std::make_unique<TForm2>();
    std::unique_ptr<TForm3> form3 = std::make_unique<TForm3>();

    ProgramWindows() {
        form1->setAboutWindow(form4.get());
        form1->setReportGridWindow(form2.get());
        form1->setImagesFolderDialog(form3.get());
        form3->setRefreshButton(form1->ui.Button1);
    }
    void applyLook(const WindowLook& look, const QString& themeFile) {
        for (QWidget* window :
             std::initializer_list<QWidget*>{form1.get(), form4.get(), form2.get(), form3.get()})
            ::applyLook(window, look, themeFile);
    }
};
