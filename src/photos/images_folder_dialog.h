#pragma once

#include <QDialog>
#include <QPointer>

class QAbstractButton;
class TsuiForm;
class QLabel;
class TsuiButton;
class TsuiEdit;

// The images-folder dialog. Its edit box is the one place that holds the images folder
// while the program runs: everything that needs the folder reads Edit1's current text.
// The saved value is read once, when the dialog is made, and written by "Применить".
class TForm3 : public QDialog {
    Q_OBJECT

public:
    // The skinned panel's size; the window gets the frame's border around it.
    static constexpr int kWidth = 439;
    static constexpr int kHeight = 119;

    explicit TForm3(QWidget* parent = nullptr);

    // The images folder: Edit1's current text.
    QString imagesFolder() const;
    // The main window's hidden button that runs the photo path refresh; "Применить"
    // clicks it after saving.
    void setRefreshButton(QAbstractButton* button);

    // The controls, by their names.
    struct Controls {
        TsuiForm* suiForm1 = nullptr;
        QLabel* Label1 = nullptr;
        TsuiEdit* Edit1 = nullptr;
        TsuiButton *suiButton1 = nullptr, *suiButton3 = nullptr, *suiButton4 = nullptr,
                   *suiButton2 = nullptr;
    };
    Controls ui;

private:
    void FormCreate();
    void suiButton1Click();
    void suiButton3Click();
    void suiButton2Click();
    void suiButton4Click();

    QPointer<QAbstractButton> m_refreshButton;
};
