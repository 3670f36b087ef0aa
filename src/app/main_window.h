#pragma once

#include "app/record_state.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/toolbar.h"

#include <QWidget>

#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

// The main window: one contact on show, the toolbar of record operations, navigation,
// the photo box and the base figures. It owns the record state that every operation
// works on. Controls carry the object names the rest of the program and the tests use.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 494;
    static constexpr int kHeight = 429;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    RecordState& state() { return m_state; }

    // Opens Baza.dat in the base folder, or creates it empty, and shows record 1.
    void OpenDataFile();
    // Puts the record buffer on the screen: fields, photo, number, base size, navigation.
    void ShowRecord();
    // Empties the window for a new record.
    void ClearRecordView();
    void SetRussianKeyboard();

    // Text of the status bar's first panel (the photo path on show).
    QString photoPanelText() const;
    void setPhotoPanelText(const QString& text);

    // Runs one event handler: a failure is shown in the error box and ends the handler at
    // the failing step; writes the handler made are pushed to the disk afterwards.
    void guarded(const std::function<void()>& handler);

    // The controls, by their names.
    QWidget* suiForm1 = nullptr;
    QMenuBar* suiMainMenu1 = nullptr;
    QAction *N1 = nullptr, *N3 = nullptr, *N4 = nullptr, *N15 = nullptr, *N5 = nullptr,
            *N6 = nullptr;
    TsuiToolBar* suiToolBar1 = nullptr;
    TsuiToolBar* suiToolBar2 = nullptr;
    TsuiToolButton *new_ = nullptr, *save = nullptr, *delete_ = nullptr, *search = nullptr,
                   *print = nullptr, *ToolButton5 = nullptr, *ToolButton1 = nullptr;
    TsuiComboBox* suiComboBox1 = nullptr;
    TsuiGroupBox *data = nullptr, *suiGroupBox2 = nullptr, *suiGroupBox4 = nullptr,
                 *suiGroupBox1 = nullptr;
    TsuiEdit *fio = nullptr, *adres = nullptr, *tel = nullptr, *rabota = nullptr, *email = nullptr;
    TsuiButton *suiButton1 = nullptr, *suiButton2 = nullptr;
    TsuiButton *previous = nullptr, *next = nullptr, *first = nullptr, *last = nullptr;
    QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label10 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label9 = nullptr;
    TsuiButton *suiButton5 = nullptr, *suiButton3 = nullptr, *suiButton4 = nullptr;
    QWidget* suiStatusBar1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void buildMenu();
    void buildToolBars();
    void buildDataGroup();
    void buildNavigationGroup();
    void buildBaseGroup();
    void buildPhotoGroup();
    void buildStatusBar();
    void showPhoto(const QString& path);
    void updateBaseSize();
    void setRecordNumberLabel(int number);
    void setRecordCountLabel(int count);

    // The key-down handler of fio, adres, tel, rabota and email: every key that goes down
    // in one of them enables "Изменить".
    void editKeyDown();
    // Escape in fio cancels the entry of a new record and shows record 1.
    void fioKeyPress(QChar key);

    RecordState m_state;
    QLabel* m_photoPanel = nullptr;
    // The data file's modification count when Baza1.dat was last copied from it.
    static constexpr uint64_t kNoCopy = ~uint64_t(0);
    uint64_t m_copiedModification = kNoCopy;
};
