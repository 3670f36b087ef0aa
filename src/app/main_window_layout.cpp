// Builds the main window's controls at their fixed positions.
#include "app/main_window.h"

#include "app/artwork.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kTitleBarHeight = 29;
constexpr int kMenuBarHeight = 22;
constexpr int kToolButtonWidth = 25;
constexpr int kToolSeparatorWidth = 8;

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->move(left, top);
    result->adjustSize();
    return result;
}

QFrame* bevelLine(QWidget* parent, const char* name, int left, int top, int width) {
    auto* line = place(new QFrame(parent), name, left, top, width, 2);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QIcon icon(int index) {
    return QIcon(QPixmap::fromImage(artwork::imageListIcon(index)));
}

// Lays tool buttons out left to right the way a flat toolbar does: buttons of the
// toolbar's button width, separators of their own width.
class ToolRow {
public:
    ToolRow(QWidget* bar, int height) : m_bar(bar), m_height(height) {}

    QToolButton* button(const char* name, int iconIndex, const QString& hint) {
        auto* b = place(new QToolButton(m_bar), name, m_x, 0, kToolButtonWidth, m_height);
        b->setIcon(icon(iconIndex));
        b->setToolTip(hint);
        b->setAutoRaise(true);
        m_x += kToolButtonWidth;
        return b;
    }
    void separator(const char* name) {
        auto* gap = place(new QWidget(m_bar), name, m_x, 0, kToolSeparatorWidth, m_height);
        gap->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_x += kToolSeparatorWidth;
    }
    void skip(int width) { m_x += width; }

private:
    QWidget* m_bar;
    int m_height;
    int m_x = 0;
};

} // namespace

void TForm1::buildMenu() {
    // The skinned frame draws the caption above the menu bar; until then this strip
    // keeps every control at its place below both.
    auto* caption =
        place(new QLabel(windowTitle(), suiForm1), "titleStrip", 0, 0, 480, kTitleBarHeight);
    caption->setIndent(6);

    suiMainMenu1 =
        place(new QMenuBar(suiForm1), "suiMainMenu1", 0, kTitleBarHeight, 480, kMenuBarHeight);
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
}

void TForm1::buildToolBars() {
    bevelLine(suiForm1, "Bevel1", 0, 51, 480);
    bevelLine(suiForm1, "Bevel2", 0, 78, 480);

    suiToolBar1 = place(new QWidget(suiForm1), "suiToolBar1", 0, 54, 169, 23);
    ToolRow row1(suiToolBar1, 22);
    new_ = row1.button("new", artwork::NewRecord, QStringLiteral("Новая запись"));
    save = row1.button("save", artwork::SaveRecord, QStringLiteral("Сохранить"));
    delete_ = row1.button("delete", artwork::DeleteRecord, QStringLiteral("Удалить"));
    row1.separator("ToolButton4");
    search = row1.button("search", artwork::SearchList, QStringLiteral("Поиск"));
    print = row1.button("print", artwork::Report, QStringLiteral("Отчет"));
    row1.separator("ToolButton3");
    ToolButton5 = row1.button("ToolButton5", artwork::About, QStringLiteral("О программе"));

    suiToolBar2 = place(new QWidget(suiForm1), "suiToolBar2", 168, 54, 305, 24);
    suiComboBox1 = place(new QComboBox(suiToolBar2), "suiComboBox1", 0, 0, 265, 21);
    suiComboBox1->setEditable(true);
    suiComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ToolRow row2(suiToolBar2, 22);
    row2.skip(265);
    row2.separator("ToolButton2");
    ToolButton1 = row2.button("ToolButton1", artwork::Find, QStringLiteral("Найти"));
}

void TForm1::buildDataGroup() {
    data = place(new QGroupBox(QStringLiteral("Данные"), suiForm1), "data", 8, 88, 297, 177);
    label(data, "Label1", QStringLiteral("ФИО"), 8, 24);
    label(data, "Label2", QStringLiteral("Адрес"), 8, 48);
    label(data, "Label3", QStringLiteral("Телефон"), 8, 72);
    label(data, "Label4", QStringLiteral("Место работы"), 8, 96);
    label(data, "Label5", QStringLiteral("E-mail"), 8, 120);
    fio = place(new QLineEdit(data), "fio", 88, 24, 200, 19);
    adres = place(new QLineEdit(data), "adres", 88, 48, 200, 19);
    tel = place(new QLineEdit(data), "tel", 88, 72, 200, 19);
    rabota = place(new QLineEdit(data), "rabota", 88, 96, 200, 19);
    email = place(new QLineEdit(data), "email", 88, 120, 200, 19);
    suiButton2 =
        place(new QPushButton(QStringLiteral("Изменить"), data), "suiButton2", 8, 144, 73, 21);
    suiButton1 = place(new QPushButton(QStringLiteral("Отправить письмо"), data), "suiButton1", 88,
                       144, 201, 21);
    QWidget::setTabOrder(suiButton1, fio);
    QWidget::setTabOrder(fio, adres);
    QWidget::setTabOrder(adres, tel);
    QWidget::setTabOrder(tel, rabota);
    QWidget::setTabOrder(rabota, email);
    QWidget::setTabOrder(email, suiButton2);
}

void TForm1::buildNavigationGroup() {
    suiGroupBox2 = place(new QGroupBox(QStringLiteral("Навигация"), suiForm1), "suiGroupBox2", 8,
                         272, 297, 97);
    auto button = [this](const char* name, const QString& text, artwork::Glyph glyph, int left,
                         int top) {
        auto* b = place(new QPushButton(text, suiGroupBox2), name, left, top, 137, 27);
        b->setIcon(QIcon(QPixmap::fromImage(artwork::navigationGlyph(glyph))));
        b->setCursor(Qt::PointingHandCursor);
        return b;
    };
    previous =
        button("previous", QStringLiteral("Предыдущая запись"), artwork::Glyph::Previous, 8, 24);
    next = button("next", QStringLiteral("Следующая запись"), artwork::Glyph::Next, 152, 24);
    first = button("first", QStringLiteral("Первая запись"), artwork::Glyph::First, 8, 56);
    last = button("last", QStringLiteral("Последняя запись"), artwork::Glyph::Last, 152, 56);
    // "glyph right": the picture follows the caption.
    next->setLayoutDirection(Qt::RightToLeft);
    last->setLayoutDirection(Qt::RightToLeft);
}

void TForm1::buildBaseGroup() {
    suiGroupBox4 =
        place(new QGroupBox(QStringLiteral("База"), suiForm1), "suiGroupBox4", 312, 272, 161, 97);
    Label6 = label(suiGroupBox4, "Label6", QStringLiteral("Запись №"), 8, 16);
    Label7 = label(suiGroupBox4, "Label7", QStringLiteral("Всего записей"), 8, 32);
    Label8 = label(suiGroupBox4, "Label8", QStringLiteral("Размер базы"), 8, 64);
    Label10 = label(suiGroupBox4, "Label10", QString(), 8, 80);
    Button1 =
        place(new QPushButton(QStringLiteral("Button1"), suiGroupBox4), "Button1", 104, 16, 33, 25);
    Button1->hide();
}

void TForm1::buildPhotoGroup() {
    suiGroupBox1 =
        place(new QGroupBox(QStringLiteral("Фото"), suiForm1), "suiGroupBox1", 312, 88, 161, 177);
    Image1 = place(new QLabel(suiGroupBox1), "Image1", 8, 16, 145, 121);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Открыть для просмотра в редакторе"));
    Label9 = label(suiGroupBox1, "Label9", QString(), 8, 160);
    Label9->hide();
    suiButton5 =
        place(new QPushButton(QStringLiteral("+"), suiGroupBox1), "suiButton5", 8, 144, 25, 25);
    suiButton5->setToolTip(QStringLiteral("Добавить изображение"));
    suiButton3 = place(new QPushButton(QStringLiteral("Заменить"), suiGroupBox1), "suiButton3", 48,
                       144, 65, 25);
    suiButton3->setToolTip(QStringLiteral("Заменить изображение"));
    suiButton4 =
        place(new QPushButton(QStringLiteral("-"), suiGroupBox1), "suiButton4", 128, 144, 25, 25);
    suiButton4->setToolTip(QStringLiteral("Убрать изображение"));
}

void TForm1::buildStatusBar() {
    suiStatusBar1 = place(new QWidget(suiForm1), "suiStatusBar1", 0, 377, 480, 19);
    m_photoPanel = place(new QLabel(suiStatusBar1), "panel0", 0, 0, 150, 19);
    m_photoPanel->setFrameShape(QFrame::StyledPanel);
    m_photoPanel->setFrameShadow(QFrame::Sunken);
}
