#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class TsuiURLLabel;
class TsuiForm;

// The About window, created at start and shown modally from the main window's toolbar.
// It has no handlers of its own; its two links open their addresses through the desktop.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    // The skinned panel's size; the window gets the frame's border around it.
    static constexpr int kWidth = 199;
    static constexpr int kHeight = 253;

    explicit TForm4(QWidget* parent = nullptr);

    // The controls, by their names.
    struct Controls {
        TsuiForm* suiForm1 = nullptr;
        QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
               *Label5 = nullptr;
        QFrame *Bevel1 = nullptr, *Bevel2 = nullptr, *Bevel3 = nullptr, *Bevel4 = nullptr;
        QLabel *Image1 = nullptr, *Image2 = nullptr;
        TsuiURLLabel *suiURLLabel1 = nullptr, *suiURLLabel2 = nullptr;
    };
    Controls ui;
};

// Where both links lead: the program's documentation, beside the program or installed
// with it. The project has no web site or mail address of its own; the documentation
// says how to reach its developers.
namespace app {
QUrl programDocumentationUrl();
} // namespace app
