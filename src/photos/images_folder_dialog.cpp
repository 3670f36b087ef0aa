#include "photos/images_folder_dialog.h"

#include "photos/images_folder_setting.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setObjectName("Form3");
    setWindowTitle(QStringLiteral("Путь"));
    setMinimumWidth(150);
    resize(kWidth, kHeight);
    QFont font(platform::interfaceFontFamily());
    font.setPixelSize(11);
    setFont(font);

    suiForm1 = SkinWindow(this, {TsuiTitleBarBtnType::suiClose});
    Label1 = place(new QLabel(QStringLiteral("Путь к папке с изображениями"), suiForm1), "Label1",
                   8, 29, 160, 13);
    Edit1 = place(new QLineEdit(suiForm1), "Edit1", 8, 48, 393, 21);
    suiButton1 =
        place(new QPushButton(QStringLiteral("..."), suiForm1), "suiButton1", 408, 48, 25, 25);
    suiButton3 =
        place(new QPushButton(QStringLiteral("Применить"), suiForm1), "suiButton3", 8, 80, 80, 27);
    suiButton4 =
        place(new QPushButton(QStringLiteral("Отмена"), suiForm1), "suiButton4", 96, 80, 80, 27);
    suiButton2 =
        place(new QPushButton(QStringLiteral("Очистить"), suiForm1), "suiButton2", 320, 80, 80, 27);
    // Enter in the edit box must not press a button: only the clicks act.
    for (QPushButton* button : {suiButton1, suiButton3, suiButton4, suiButton2})
        button->setAutoDefault(false);
    // For screen readers: the label names the edit box; "..." says nothing by itself.
    Label1->setBuddy(Edit1);
    suiButton1->setAccessibleName(QStringLiteral("Выбрать папку"));

    connect(suiButton1, &QPushButton::clicked, this, &TForm3::suiButton1Click);
    connect(suiButton3, &QPushButton::clicked, this, &TForm3::suiButton3Click);
    connect(suiButton2, &QPushButton::clicked, this, &TForm3::suiButton2Click);
    connect(suiButton4, &QPushButton::clicked, this, &TForm3::suiButton4Click);

    FormCreate();
}

QString TForm3::imagesFolder() const {
    return Edit1->text();
}

void TForm3::setRefreshButton(QAbstractButton* button) {
    m_refreshButton = button;
}

void TForm3::FormCreate() {
    // An unreadable value is reported; the folder stays empty, so the start-up check
    // asks for it.
    try {
        Edit1->setText(images_folder_setting::load());
    } catch (const images_folder_setting::SettingError& error) {
        platform::showError(QString::fromUtf8(error.what()));
    }
}

void TForm3::suiButton1Click() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Выберите папку для поиска"));
    if (!folder.isEmpty())
        Edit1->setText(folder);
}

void TForm3::suiButton3Click() {
    try {
        images_folder_setting::save(Edit1->text());
    } catch (const images_folder_setting::SettingError& error) {
        platform::showError(QString::fromUtf8(error.what()));
        return;
    }
    if (m_refreshButton)
        m_refreshButton->click();
    accept();
}

void TForm3::suiButton2Click() {
    Edit1->clear();
}

void TForm3::suiButton4Click() {
    reject();
}
