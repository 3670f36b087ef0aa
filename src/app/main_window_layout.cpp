// Builds the main window's controls at their fixed positions.
#include "app/main_window.h"

#include "app/artwork.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/toolbar.h"
#include "skin/controls/window_building.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QStringListModel>
#include <utility>

using controls::button;
using controls::label;
using controls::place;

namespace {

constexpr int kToolButtonWidth = 25;
constexpr int kToolButtonHeight = 22;
constexpr int kToolSeparatorWidth = 8;

// The window's skin colours, as the system stores them.
constexpr TColor kControlBorder(6842472);
constexpr TColor kGroupCaption(13583874);
constexpr TColor kToolButton(15717318);
constexpr TColor kToolButtonBorder(13003057);
constexpr TColor kToolButtonDown(14789779);
constexpr TColor kComboButton(14609391);

QIcon icon(int index) {
    return QIcon(QPixmap::fromImage(artwork::imageListIcon(index)));
}

TsuiToolBar* toolBar(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* bar = place(new TsuiToolBar(parent), name, left, top, width, height);
    bar->setUIStyle(TsuiUIStyle::WinXP);
    bar->setList(true);
    bar->setButtonWidth(kToolButtonWidth);
    bar->setButtonHeight(kToolButtonHeight);
    bar->setButtonColor(kToolButton);
    bar->setButtonBorderColor(kToolButtonBorder);
    bar->setButtonDownColor(kToolButtonDown);
    return bar;
}

TsuiToolButton* toolButton(TsuiToolBar* bar, const char* name, int iconIndex, const QString& hint) {
    return bar->addButton(QString::fromLatin1(name), icon(iconIndex), hint);
}

TsuiGroupBox* groupBox(QWidget* parent, const char* name, const QString& caption, int left, int top,
                       int width, int height) {
    auto* box = place(new TsuiGroupBox(parent), name, left, top, width, height);
    box->setUIStyle(TsuiUIStyle::WinXP);
    box->setCaption(caption);
    box->setBorderColor(kControlBorder);
    box->setFontColor(kGroupCaption);
    return box;
}

TsuiEdit* edit(QWidget* parent, const char* name, int left, int top) {
    auto* result = place(new TsuiEdit(parent), name, left, top, 200, 19);
    result->setUIStyle(TsuiUIStyle::WinXP);
    result->setBorderColor(kControlBorder);
    return result;
}

} // namespace

void TForm1::buildMenu() {
    // The skinned form shows the menu in its menu bar under the title bar.
    suiMainMenu1 = new TsuiMainMenu(this);
    suiMainMenu1->setObjectName("suiMainMenu1");
    QMenu* file = suiMainMenu1->addMenu(QStringLiteral("Файл"));
    N1 = file->menuAction();
    N1->setObjectName("N1");
    auto item = [file](const char* name, int iconIndex, const QString& text) {
        QAction* action = file->addAction(icon(iconIndex), text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    N3 = item("N3", artwork::LoadBackup, QStringLiteral("Загрузить резервную копию"));
    N4 = item("N4", artwork::CreateBackup, QStringLiteral("Создать резервную копию"));
    file->addSeparator()->setObjectName("N7");
    N15 = item("N15", artwork::Folder, QStringLiteral("Изменить путь"));
    N5 = item("N5", artwork::ClearBase, QStringLiteral("Очистить базу"));
    file->addSeparator()->setObjectName("N8");
    N6 = item("N6", artwork::Exit, QStringLiteral("Выход"));
    suiMainMenu1->Loaded();
}

void TForm1::buildToolBars() {
    controls::bevel(suiForm1, "Bevel1", 0, 51, 480, 2, QFrame::HLine);
    controls::bevel(suiForm1, "Bevel2", 0, 78, 480, 2, QFrame::HLine);

    suiToolBar1 = toolBar(suiForm1, "suiToolBar1", 0, 54, 169, 23);
    new_ = toolButton(suiToolBar1, "new", artwork::NewRecord, QStringLiteral("Новая запись"));
    save = toolButton(suiToolBar1, "save", artwork::SaveRecord, QStringLiteral("Сохранить"));
    delete_ = toolButton(suiToolBar1, "delete", artwork::DeleteRecord, QStringLiteral("Удалить"));
    suiToolBar1->addSeparator("ToolButton4", kToolSeparatorWidth);
    search = toolButton(suiToolBar1, "search", artwork::SearchList, QStringLiteral("Поиск"));
    print = toolButton(suiToolBar1, "print", artwork::Report, QStringLiteral("Отчет"));
    suiToolBar1->addSeparator("ToolButton3", kToolSeparatorWidth);
    ToolButton5 =
        toolButton(suiToolBar1, "ToolButton5", artwork::About, QStringLiteral("О программе"));

    suiToolBar2 = toolBar(suiForm1, "suiToolBar2", 168, 54, 305, 24);
    suiComboBox1 = place(new TsuiComboBox(suiToolBar2), "suiComboBox1", 0, 0, 265, 21);
    suiComboBox1->setUIStyle(TsuiUIStyle::WinXP);
    suiComboBox1->setBorderColor(kControlBorder);
    suiComboBox1->setButtonColor(kComboButton);
    suiComboBox1->setArrowColor(TColor(0));
    suiComboBox1->setEditable(true);
    suiComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // "Поиск" replaces the whole list at once, tens of thousands of names: a plain list
    // model takes them in one reset, where item insertion would make an object per name.
    m_searchList = new QStringListModel(suiComboBox1);
    suiComboBox1->setModel(m_searchList);
    suiComboBox1->setAccessibleName(QStringLiteral("ФИО для поиска"));
    suiToolBar2->addControl(suiComboBox1);
    suiToolBar2->addSeparator("ToolButton2", kToolSeparatorWidth);
    ToolButton1 = toolButton(suiToolBar2, "ToolButton1", artwork::Find, QStringLiteral("Найти"));
}

void TForm1::buildDataGroup() {
    data = groupBox(suiForm1, "data", QStringLiteral("Данные"), 8, 88, 297, 177);
    label(data, "Label1", QStringLiteral("ФИО"), 8, 24);
    label(data, "Label2", QStringLiteral("Адрес"), 8, 48);
    label(data, "Label3", QStringLiteral("Телефон"), 8, 72);
    label(data, "Label4", QStringLiteral("Место работы"), 8, 96);
    label(data, "Label5", QStringLiteral("E-mail"), 8, 120);
    fio = edit(data, "fio", 88, 24);
    adres = edit(data, "adres", 88, 48);
    tel = edit(data, "tel", 88, 72);
    rabota = edit(data, "rabota", 88, 96);
    email = edit(data, "email", 88, 120);
    suiButton2 = button(data, "suiButton2", QStringLiteral("Изменить"), 8, 144, 73, 21);
    suiButton1 = button(data, "suiButton1", QStringLiteral("Отправить письмо"), 88, 144, 201, 21);
    // For screen readers each label names the edit box beside it.
    const std::pair<const char*, TsuiEdit*> labelled[] = {
        {"Label1", fio}, {"Label2", adres}, {"Label3", tel}, {"Label4", rabota}, {"Label5", email}};
    for (const auto& [labelName, box] : labelled)
        data->findChild<QLabel*>(QLatin1String(labelName))->setBuddy(box);
    QWidget::setTabOrder(suiButton1, fio);
    QWidget::setTabOrder(fio, adres);
    QWidget::setTabOrder(adres, tel);
    QWidget::setTabOrder(tel, rabota);
    QWidget::setTabOrder(rabota, email);
    QWidget::setTabOrder(email, suiButton2);
}

void TForm1::buildNavigationGroup() {
    suiGroupBox2 = groupBox(suiForm1, "suiGroupBox2", QStringLiteral("Навигация"), 8, 272, 297, 97);
    auto navigation = [this](const char* name, const QString& text, artwork::Glyph glyph,
                             TsuiButton::TsuiButtonLayout layout, int left, int top) {
        auto* b = button(suiGroupBox2, name, text, left, top, 137, 27);
        b->setGlyph(artwork::navigationGlyph(glyph));
        b->setLayout(layout);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    previous = navigation("previous", QStringLiteral("Предыдущая запись"), artwork::Glyph::Previous,
                          TsuiButton::blGlyphLeft, 8, 24);
    next = navigation("next", QStringLiteral("Следующая запись"), artwork::Glyph::Next,
                      TsuiButton::blGlyphRight, 152, 24);
    first = navigation("first", QStringLiteral("Первая запись"), artwork::Glyph::First,
                       TsuiButton::blGlyphLeft, 8, 56);
    last = navigation("last", QStringLiteral("Последняя запись"), artwork::Glyph::Last,
                      TsuiButton::blGlyphRight, 152, 56);
}

void TForm1::buildBaseGroup() {
    suiGroupBox4 = groupBox(suiForm1, "suiGroupBox4", QStringLiteral("База"), 312, 272, 161, 97);
    Label6 = label(suiGroupBox4, "Label6", QStringLiteral("Запись №"), 8, 16);
    Label7 = label(suiGroupBox4, "Label7", QStringLiteral("Всего записей"), 8, 32);
    Label8 = label(suiGroupBox4, "Label8", QStringLiteral("Размер базы"), 8, 64);
    Label10 = label(suiGroupBox4, "Label10", QString(), 8, 80);
    Button1 =
        place(new QPushButton(QStringLiteral("Button1"), suiGroupBox4), "Button1", 104, 16, 33, 25);
    Button1->hide();
}

void TForm1::buildPhotoGroup() {
    suiGroupBox1 = groupBox(suiForm1, "suiGroupBox1", QStringLiteral("Фото"), 312, 88, 161, 177);
    Image1 = place(new PhotoBox(suiGroupBox1), "Image1", 8, 16, 145, 121);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Открыть для просмотра в редакторе"));
    Label9 = label(suiGroupBox1, "Label9", QString(), 8, 160);
    Label9->hide();
    suiButton5 = button(suiGroupBox1, "suiButton5", QStringLiteral("+"), 8, 144, 25, 25);
    suiButton5->setToolTip(QStringLiteral("Добавить изображение"));
    suiButton3 = button(suiGroupBox1, "suiButton3", QStringLiteral("Заменить"), 48, 144, 65, 25);
    suiButton3->setToolTip(QStringLiteral("Заменить изображение"));
    suiButton4 = button(suiGroupBox1, "suiButton4", QStringLiteral("-"), 128, 144, 25, 25);
    suiButton4->setToolTip(QStringLiteral("Убрать изображение"));
}

void TForm1::buildStatusBar() {
    suiStatusBar1 = place(new TsuiStatusBar(suiForm1), "suiStatusBar1", 0, 377, 480, 19);
    suiStatusBar1->setUIStyle(TsuiUIStyle::WinXP);
    suiStatusBar1->setPanelColor(TColor(14609391));
    suiStatusBar1->addPanel(150);
}
