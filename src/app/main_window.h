#pragma once

#include "app/record_state.h"
#include "photos/photo_box.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/menu_main.h"
#include "skin/controls/toolbar.h"
#include "skin/frame/message_dialog.h"
#include "skin/frame/status_bar.h"
#include "skin/frame/sui_form.h"
#include "skin/themes/theme_manager.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <system_error>

class QAction;
class QFileDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QTimer;
class QMenu;
class QPushButton;
class QStringListModel;
class TForm3;
namespace app {
class LookChooser;
}

// The main window: one contact on show, the toolbar of record operations, navigation,
// the photo box and the base figures. It owns the record state that every operation
// works on. Controls carry the object names the rest of the program and the tests use.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    // The skinned panel's size; the window gets the frame's border around it.
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 396;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    RecordState& state() { return m_state; }
    // The "Вид" menu, which chooses the look of every window.
    app::LookChooser* lookChooser() const { return m_lookChooser; }

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
    // Says in that panel for a few seconds why typed or pasted text was refused; the
    // panel's own text then comes back unless something else has replaced the hint.
    void showInputHint(const QString& hint);

    // The folder the record photos are kept in: the images-folder dialog's current edit
    // text, read on every use; empty while none is set.
    QString imagesFolder() const;
    // The images-folder dialog that holds the images folder; set once at start, and
    // linked to this window's theme manager.
    void setImagesFolderDialog(TForm3* dialog);
    // First showing: asks for the images folder when none is set.
    void FormShow();
    // "Изменить путь": the images-folder dialog, modally.
    void N15Click();

    // Photos: add ("+"), replace, remove ("-"), open the picture shown, and the photo
    // path refresh that the images-folder dialog's "Применить" runs.
    void suiButton5Click();
    void suiButton3Click();
    void suiButton4Click();
    void Image1Click();
    void Button1Click();

    // Runs one event handler: a failure is shown in the error box and ends the handler at
    // the failing step; writes the handler made are pushed to the disk afterwards.
    void guarded(const std::function<void()>& handler);

    // Record editing and navigation.
    void newClick();
    void saveClick();
    void suiButton2Click();
    void deleteClick();
    void firstClick();
    void previousClick();
    void nextClick();
    void lastClick();

    // Search by full name.
    void searchClick();
    void ToolButton1Click();
    // The character a key typed into the search box stands for: upper-cased on code-page
    // bytes (а to я and a to z; ё and everything else unchanged).
    static QChar suiComboBox1KeyPress(QChar typed);

    // The "Файл" menu: backup, restore, clearing, exit.
    void N4Click();
    void N3Click();
    void OpenDialog1CanClose(const QString& located);
    void N5Click();
    void N6Click();
    // The import window on a vCard or CSV file ("kalmo FILE.vcf"), and "Импорт
    // контактов…", which opens it on no file; "Экспорт контактов…": the export window.
    // All modal (app/main_window_transfer.cpp).
    void importContactFile(const QString& path);
    void N16Click();
    void N17Click();

    // The controls, by their names.
    struct Controls {
        TsuiForm* suiForm1 = nullptr;
        TsuiMainMenu* suiMainMenu1 = nullptr;
        QAction *N1 = nullptr, *N3 = nullptr, *N4 = nullptr, *N15 = nullptr, *N5 = nullptr,
                *N6 = nullptr;
        // "Импорт контактов…" and "Экспорт контактов…".
        QAction *N16 = nullptr, *N17 = nullptr;
        TsuiToolBar* suiToolBar1 = nullptr;
        TsuiToolBar* suiToolBar2 = nullptr;
        TsuiToolButton *new_ = nullptr, *save = nullptr, *delete_ = nullptr, *search = nullptr,
                       *print = nullptr, *ToolButton5 = nullptr, *ToolButton1 = nullptr;
        TsuiComboBox* suiComboBox1 = nullptr;
        TsuiGroupBox *data = nullptr, *suiGroupBox2 = nullptr, *suiGroupBox4 = nullptr,
                     *suiGroupBox1 = nullptr;
        TsuiEdit *fio = nullptr, *adres = nullptr, *tel = nullptr, *rabota = nullptr,
                 *email = nullptr;
        TsuiButton *suiButton1 = nullptr, *suiButton2 = nullptr;
        TsuiButton *previous = nullptr, *next = nullptr, *first = nullptr, *last = nullptr;
        QLabel *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label10 = nullptr;
        QPushButton* Button1 = nullptr;
        photos::PhotoBox* Image1 = nullptr;
        QLabel* Label9 = nullptr;
        TsuiButton *suiButton5 = nullptr, *suiButton3 = nullptr, *suiButton4 = nullptr;
        TsuiStatusBar* suiStatusBar1 = nullptr;
        TsuiMessageDialog* suiMessageDialog1 = nullptr;
        // The look of every window: the theme file and the manager that hands it out with
        // the style to this window and the ones linked to it.
        TsuiFileTheme* suiFileTheme1 = nullptr;
        TsuiThemeManager* suiThemeManager1 = nullptr;
        // The file dialog of the restore, made when first needed.
        QFileDialog* OpenDialog1 = nullptr;
    };
    Controls ui;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // Makes the controls at their places (main_window_layout.cpp).
    void buildControls();
    // Runs the picture chooser; a chosen picture is copied to the record's photo path,
    // which becomes the pending one, and shown. The path, or empty when cancelled.
    // A picture that could not be copied is reported and changes nothing: empty result.
    QString attachChosenPicture();
    // Deletes a photo file from the images folder after its record let go of it ("-",
    // "Удалить"), unless another record still names it; one that stays because the
    // folder refuses is reported.
    void deletePhotoFile(const QString& path);
    // "Изменить" with the record on show given another photo path; when the change
    // fails, the record on show keeps its path.
    void changePhotoPath(const QString& photo);
    void showPhoto(const QString& path);
    void updateBaseSize();
    // A base open only for reading, or none open at all: every control that would change
    // it is disabled.
    void disableChangesUnlessWritable();
    void setRecordNumberLabel(int number);
    void setRecordCountLabel(int count);

    // The key-down handler of fio, adres, tel, rabota and email: every key that goes down
    // in one of them enables "Изменить".
    void editKeyDown();
    // Escape in fio cancels the entry of a new record and shows record 1.
    void fioKeyPress(QChar key);
    // What Escape does: the entry of a new record ends and record 1 is on show.
    void cancelNewEntry();

    // Wires every handler to its control; called once by the constructor.
    void connectHandlers();
    // Connects signal of sender to handler, run inside guarded().
    template <typename Sender, typename Signal>
    void connectGuarded(Sender* sender, Signal signal, void (TForm1::*handler)()) {
        connect(sender, signal, this,
                [this, handler] { guarded([=, this] { (this->*handler)(); }); });
    }
    // Reads record k and puts it on show; on a failed read the record on show stays.
    void showRecordAt(int32_t k);
    // The window's five texts and the given photo path as a record of the data file.
    store::ContactRecord recordFromWindow(const QString& photoPath) const;
    // True while a stored record is on show (not while a new one is entered).
    bool hasRecordOnShow();
    // After a removal cut short, the record at the old index may be another one: the
    // index stays only while the record there is still the one on show.
    void keepIndexIfStillOnShow(int32_t index);
    // After a change that moved records in a base of `count` records: record 1 on show,
    // the labels and buttons as "Изменить" leaves them.
    void showFirstAfterChange(int32_t count);
    // The search box's keys: Enter finds, typed characters are upper-cased and completed.
    bool suiComboBox1KeyDown(QKeyEvent* event);
    void completeSearchText();
    // Reopens the data file after a restore and tells how the restore went.
    void reopenAfterRestore(const std::error_code& copyError);
    QFileDialog* openDialog1();

    // Set while the search box receives the upper-cased form of a typed key.
    bool m_retypingSearchKey = false;
    // The search box's list: "Поиск" replaces it whole, in one step.
    QStringListModel* m_searchList = nullptr;
    RecordState m_state;
    app::LookChooser* m_lookChooser = nullptr;
    QPointer<TForm3> m_imagesFolderDialog;
    bool m_shownBefore = false;
    // The hint on show and the panel text it covers.
    QString m_inputHint, m_panelBeforeHint;
    QTimer* m_hintTimer = nullptr;
    // The data file's modification count when Baza1.dat was last copied from it.
    static constexpr uint64_t kNoCopy = ~uint64_t(0);
    uint64_t m_copiedModification = kNoCopy;

    // Report, About window and e-mail (main_window_report.cpp, main_window_about.cpp).
public:
    // The windows created after this one at start-up; without them, their handlers make
    // their own. Each is linked to this window's theme manager and takes its look.
    void setReportGridWindow(class TForm2* form);
    void setAboutWindow(class TForm4* form);
    void printClick();
    void ToolButton5Click();
    void suiButton1Click();

private:
    TForm2* reportGridWindow();
    TForm4* aboutWindow();
    void fillReportGrid();
    void showFirstRecord();
    TForm2* m_form2 = nullptr;
    TForm4* m_form4 = nullptr;
};
