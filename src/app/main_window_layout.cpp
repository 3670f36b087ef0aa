// Builds the main window's controls at their fixed positions.
#include "app/main_window.h"

#include "app/artwork.h"
#include "app/contact_text_validator.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/group_box.h"
#include "skin/controls/toolbar.h"
#include "skin/frame/window_building.h"
#include "skin/frame/window_skin.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QStringListModel>
#include <utility>

using namespace skin::frame;

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
    return QIcon(QPixmap::fromImage(app::imageListIcon(index)));
}

TsuiToolBar* toolBar(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* bar = place(new TsuiToolBar(parent), name, left, top, width, height);
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
    box->setCaption(caption);
    box->setBorderColor(kControlBorder);
    box->setFontColor(kGroupCaption);
    return box;
}

TsuiEdit* edit(QWidget* parent, const char* name, int left, int top) {
    auto* result = place(new TsuiEdit(parent), name, left, top, 200, 19);
    result->setBorderColor(kControlBorder);
    return result;
}

void buildMenu(TForm1::Controls& ui, QWidget* window) {
    // The skinned form shows the menu in its menu bar under the title bar.
    ui.suiMainMenu1 = new TsuiMainMenu(window);
    ui.suiMainMenu1->setObjectName("suiMainMenu1");
    QMenu* file = ui.suiMainMenu1->addMenu(QStringLiteral("Файл"));
    ui.N1 = file->menuAction();
    ui.N1->setObjectName("N1");
    // The contact items have no picture of their own in the image list.
    constexpr int kNoIcon = -1;
    auto item = [file](const char* name, int iconIndex, const QString& text) {
        QAction* action = file->addAction(iconIndex == kNoIcon ? QIcon() : icon(iconIndex), text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    ui.N3 = item("N3", app::LoadBackup, QStringLiteral("Загрузить резервную копию"));
    ui.N4 = item("N4", app::CreateBackup, QStringLiteral("Создать резервную копию"));
    file->addSeparator()->setObjectName("N7");
    ui.N15 = item("N15", app::Folder, QStringLiteral("Изменить путь"));
    ui.N5 = item("N5", app::ClearBase, QStringLiteral("Очистить базу"));
    ui.N16 = item("N16", kNoIcon, QStringLiteral("Импорт контактов…"));
    ui.N17 = item("N17", kNoIcon, QStringLiteral("Экспорт контактов…"));
    file->addSeparator()->setObjectName("N8");
    ui.N6 = item("N6", app::Exit, QStringLiteral("Выход"));
    ui.suiMainMenu1->Loaded();
}

// The search box gets a plain list model, returned.
QStringListModel* buildToolBars(TForm1::Controls& ui) {
    skin::frame::bevel(ui.suiForm1, "Bevel1", 0, 51, 480, 2, QFrame::HLine);
    skin::frame::bevel(ui.suiForm1, "Bevel2", 0, 78, 480, 2, QFrame::HLine);

    ui.suiToolBar1 = toolBar(ui.suiForm1, "suiToolBar1", 0, 54, 169, 23);
    ui.new_ = toolButton(ui.suiToolBar1, "new", app::NewRecord, QStringLiteral("Новая запись"));
    ui.save = toolButton(ui.suiToolBar1, "save", app::SaveRecord, QStringLiteral("Сохранить"));
    ui.delete_ = toolButton(ui.suiToolBar1, "delete", app::DeleteRecord, QStringLiteral("Удалить"));
    ui.suiToolBar1->addSeparator("ToolButton4", kToolSeparatorWidth);
    ui.search = toolButton(ui.suiToolBar1, "search", app::SearchList, QStringLiteral("Поиск"));
    ui.print = toolButton(ui.suiToolBar1, "print", app::Report, QStringLiteral("Отчет"));
    ui.suiToolBar1->addSeparator("ToolButton3", kToolSeparatorWidth);
    ui.ToolButton5 =
        toolButton(ui.suiToolBar1, "ToolButton5", app::About, QStringLiteral("О программе"));

    ui.suiToolBar2 = toolBar(ui.suiForm1, "suiToolBar2", 168, 54, 305, 24);
    ui.suiComboBox1 = place(new TsuiComboBox(ui.suiToolBar2), "suiComboBox1", 0, 0, 265, 21);
    ui.suiComboBox1->setBorderColor(kControlBorder);
    ui.suiComboBox1->setButtonColor(kComboButton);
    ui.suiComboBox1->setArrowColor(TColor(0));
    ui.suiComboBox1->setEditable(true);
    ui.suiComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // "Поиск" replaces the whole list at once, tens of thousands of names: a plain list
    // model takes them in one reset, where item insertion would make an object per name.
    auto* searchList = new QStringListModel(ui.suiComboBox1);
    ui.suiComboBox1->setModel(searchList);
    ui.suiComboBox1->setAccessibleName(QStringLiteral("ФИО для поиска"));
    ui.suiToolBar2->addControl(ui.suiComboBox1);
    ui.suiToolBar2->addSeparator("ToolButton2", kToolSeparatorWidth);
    ui.ToolButton1 = toolButton(ui.suiToolBar2, "ToolButton1", app::Find, QStringLiteral("Найти"));
    return searchList;
}

void buildDataGroup(TForm1::Controls& ui) {
    ui.data = groupBox(ui.suiForm1, "data", QStringLiteral("Данные"), 8, 88, 297, 177);
    label(ui.data, "Label1", QStringLiteral("ФИО"), 8, 24);
    label(ui.data, "Label2", QStringLiteral("Адрес"), 8, 48);
    label(ui.data, "Label3", QStringLiteral("Телефон"), 8, 72);
    label(ui.data, "Label4", QStringLiteral("Место работы"), 8, 96);
    label(ui.data, "Label5", QStringLiteral("E-mail"), 8, 120);
    ui.fio = edit(ui.data, "fio", 88, 24);
    ui.adres = edit(ui.data, "adres", 88, 48);
    ui.tel = edit(ui.data, "tel", 88, 72);
    ui.rabota = edit(ui.data, "rabota", 88, 96);
    ui.email = edit(ui.data, "email", 88, 120);
    ui.suiButton2 = button(ui.data, "suiButton2", QStringLiteral("Изменить"), 8, 144, 73, 21);
    ui.suiButton1 =
        button(ui.data, "suiButton1", QStringLiteral("Отправить письмо"), 88, 144, 201, 21);
    // For screen readers each label names the edit box beside it.
    const std::pair<const char*, TsuiEdit*> labelled[] = {{"Label1", ui.fio},
                                                          {"Label2", ui.adres},
                                                          {"Label3", ui.tel},
                                                          {"Label4", ui.rabota},
                                                          {"Label5", ui.email}};
    for (const auto& [labelName, box] : labelled) {
        ui.data->findChild<QLabel*>(QLatin1String(labelName))->setBuddy(box);
        box->setValidator(new app::ContactTextValidator(box));
    }
    QWidget::setTabOrder(ui.suiButton1, ui.fio);
    QWidget::setTabOrder(ui.fio, ui.adres);
    QWidget::setTabOrder(ui.adres, ui.tel);
    QWidget::setTabOrder(ui.tel, ui.rabota);
    QWidget::setTabOrder(ui.rabota, ui.email);
    QWidget::setTabOrder(ui.email, ui.suiButton2);
}

void buildNavigationGroup(TForm1::Controls& ui) {
    ui.suiGroupBox2 =
        groupBox(ui.suiForm1, "suiGroupBox2", QStringLiteral("Навигация"), 8, 272, 297, 97);
    auto navigation = [&ui](const char* name, const QString& text, app::Glyph glyph,
                            TsuiButton::TsuiButtonLayout layout, int left, int top) {
        auto* b = button(ui.suiGroupBox2, name, text, left, top, 137, 27);
        b->setGlyph(app::navigationGlyph(glyph));
        b->setLayout(layout);
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    ui.previous = navigation("previous", QStringLiteral("Предыдущая запись"), app::Glyph::Previous,
                             TsuiButton::blGlyphLeft, 8, 24);
    ui.next = navigation("next", QStringLiteral("Следующая запись"), app::Glyph::Next,
                         TsuiButton::blGlyphRight, 152, 24);
    ui.first = navigation("first", QStringLiteral("Первая запись"), app::Glyph::First,
                          TsuiButton::blGlyphLeft, 8, 56);
    ui.last = navigation("last", QStringLiteral("Последняя запись"), app::Glyph::Last,
                         TsuiButton::blGlyphRight, 152, 56);
}

void buildBaseGroup(TForm1::Controls& ui) {
    ui.suiGroupBox4 =
        groupBox(ui.suiForm1, "suiGroupBox4", QStringLiteral("База"), 312, 272, 161, 97);
    ui.Label6 = label(ui.suiGroupBox4, "Label6", QStringLiteral("Запись №"), 8, 16);
    ui.Label7 = label(ui.suiGroupBox4, "Label7", QStringLiteral("Всего записей"), 8, 32);
    ui.Label8 = label(ui.suiGroupBox4, "Label8", QStringLiteral("Размер базы"), 8, 64);
    ui.Label10 = label(ui.suiGroupBox4, "Label10", QString(), 8, 80);
    ui.Button1 = place(new QPushButton(QStringLiteral("Button1"), ui.suiGroupBox4), "Button1", 104,
                       16, 33, 25);
    ui.Button1->hide();
}

void buildPhotoGroup(TForm1::Controls& ui) {
    ui.suiGroupBox1 =
        groupBox(ui.suiForm1, "suiGroupBox1", QStringLiteral("Фото"), 312, 88, 161, 177);
    ui.Image1 = place(new photos::PhotoBox(ui.suiGroupBox1), "Image1", 8, 16, 145, 121);
    ui.Image1->setCursor(Qt::PointingHandCursor);
    ui.Image1->setToolTip(QStringLiteral("Открыть для просмотра в редакторе"));
    ui.Label9 = label(ui.suiGroupBox1, "Label9", QString(), 8, 160);
    ui.Label9->hide();
    ui.suiButton5 = button(ui.suiGroupBox1, "suiButton5", QStringLiteral("+"), 8, 144, 25, 25);
    ui.suiButton5->setToolTip(QStringLiteral("Добавить изображение"));
    ui.suiButton3 =
        button(ui.suiGroupBox1, "suiButton3", QStringLiteral("Заменить"), 48, 144, 65, 25);
    ui.suiButton3->setToolTip(QStringLiteral("Заменить изображение"));
    ui.suiButton4 = button(ui.suiGroupBox1, "suiButton4", QStringLiteral("-"), 128, 144, 25, 25);
    ui.suiButton4->setToolTip(QStringLiteral("Убрать изображение"));
}

void buildStatusBar(TForm1::Controls& ui) {
    ui.suiStatusBar1 = place(new TsuiStatusBar(ui.suiForm1), "suiStatusBar1", 0, 377, 480, 19);
    ui.suiStatusBar1->alignToBottom();
    ui.suiStatusBar1->setPanelColor(TColor(14609391));
    ui.suiStatusBar1->addPanel(150);
}

// The notice shown at start when no images folder is set.
void buildMessageDialog(TForm1::Controls& ui, QWidget* window) {
    ui.suiMessageDialog1 = new TsuiMessageDialog(window);
    ui.suiMessageDialog1->setObjectName("suiMessageDialog1");
    ui.suiMessageDialog1->setCaption(QStringLiteral("Внимание!"));
    ui.suiMessageDialog1->setText(QStringLiteral("Необходимо задать путь к папке с изображениями"));
    ui.suiMessageDialog1->setButtonCount(1);
    ui.suiMessageDialog1->setButton1Caption(QStringLiteral("OK"));
    ui.suiMessageDialog1->setIconType(TsuiMessageDialog::suiNone);
    ui.suiMessageDialog1->setPosition(TsuiDialog::poScreenCenter);
    ui.suiMessageDialog1->setButtonCursor(Qt::PointingHandCursor);
    ui.suiMessageDialog1->setFont(window->font());
    ui.suiMessageDialog1->setCaptionFont(windowCaptionFont());
    ui.suiMessageDialog1->setCaptionFontColor(kWindowCaptionColor);
}

} // namespace

void TForm1::buildControls() {
    buildMenu(ui, this);
    m_searchList = buildToolBars(ui);
    buildDataGroup(ui);
    buildNavigationGroup(ui);
    buildBaseGroup(ui);
    buildPhotoGroup(ui);
    buildStatusBar(ui);
    buildMessageDialog(ui, this);
}
