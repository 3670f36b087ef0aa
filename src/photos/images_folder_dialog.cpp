#include "photos/images_folder_dialog.h"

#include "photos/images_folder_setting.h"
#include "platform/message_boxes.h"
#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/frame/geometry.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_building.h"

#include <QFileDialog>
#include <QLabel>

using namespace skin::frame;

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    ui.suiForm1 = skin::frame::setUpSkinnedWindow(
        this, "Form3", QStringLiteral("Путь"), {kWidth, kHeight}, {TsuiTitleBarBtnType::suiClose});
    skin::frame::centreOnScreenWhenShown(this);
    ui.Label1 = place(new QLabel(QStringLiteral("Путь к папке с изображениями"), ui.suiForm1),
                      "Label1", 8, 29, 160, 13);
    ui.Edit1 = place(new TsuiEdit(ui.suiForm1), "Edit1", 8, 48, 393, 21);
    ui.suiButton1 = button(ui.suiForm1, "suiButton1", QStringLiteral("..."), 408, 48, 25, 25);
    ui.suiButton3 = button(ui.suiForm1, "suiButton3", QStringLiteral("Применить"), 8, 80, 80, 27);
    ui.suiButton4 = button(ui.suiForm1, "suiButton4", QStringLiteral("Отмена"), 96, 80, 80, 27);
    ui.suiButton2 = button(ui.suiForm1, "suiButton2", QStringLiteral("Очистить"), 320, 80, 80, 27);
    // Only a click acts on the buttons, so Enter in the edit box presses none of them.
    // For screen readers: the label names the edit box; "..." says nothing by itself.
    ui.Label1->setBuddy(ui.Edit1);
    ui.suiButton1->setAccessibleName(QStringLiteral("Выбрать папку"));

    connect(ui.suiButton1, &TsuiButton::clicked, this, &TForm3::suiButton1Click);
    connect(ui.suiButton3, &TsuiButton::clicked, this, &TForm3::suiButton3Click);
    connect(ui.suiButton2, &TsuiButton::clicked, this, &TForm3::suiButton2Click);
    connect(ui.suiButton4, &TsuiButton::clicked, this, &TForm3::suiButton4Click);

    FormCreate();
}

QString TForm3::imagesFolder() const {
    return ui.Edit1->text();
}

void TForm3::setRefreshButton(QAbstractButton* button) {
    m_refreshButton = button;
}

void TForm3::FormCreate() {
    // An unreadable value is reported; the folder stays empty, so the start-up check
    // asks for it.
    try {
        ui.Edit1->setText(photos::loadImagesFolder());
    } catch (const photos::SettingError& error) {
        platform::showError(QString::fromUtf8(error.what()));
    }
}

void TForm3::suiButton1Click() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Выберите папку для поиска"));
    if (!folder.isEmpty())
        ui.Edit1->setText(folder);
}

void TForm3::suiButton3Click() {
    try {
        photos::saveImagesFolder(ui.Edit1->text());
    } catch (const photos::SettingError& error) {
        platform::showError(QString::fromUtf8(error.what()));
        return;
    }
    if (m_refreshButton)
        m_refreshButton->click();
    accept();
}

void TForm3::suiButton2Click() {
    ui.Edit1->clear();
}

void TForm3::suiButton4Click() {
    reject();
}
