#include "app/look_chooser.h"

#include "platform/message_boxes.h"
#include "skin/controls/menu_main.h"
#include "skin/themes/skin_errors.h"
#include "skin/themes/theme_file_check.h"
#include "skin/themes/theme_manager.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace app {

namespace {

QString unreadableTheme(const QString& path) {
    return QStringLiteral("Файл темы «%1» не прочитан; вид не изменился.")
        .arg(QFileInfo(path).fileName());
}

} // namespace

LookChooser::LookChooser(TsuiMainMenu* menu, TsuiThemeManager* manager, QWidget* window)
    : QObject(window), m_manager(manager), m_window(window) {
    m_menu = menu->addMenu(QStringLiteral("Вид"));
    m_menu->menuAction()->setObjectName("lookMenu");
    m_items = new QActionGroup(this);
    for (TsuiUIStyle style : offeredStyles()) {
        QAction* item = m_menu->addAction(lookCaption(style));
        item->setObjectName(QStringLiteral("look") + skin::themes::uiStyleName(style));
        item->setCheckable(true);
        item->setData(int(style));
        m_items->addAction(item);
        connect(item, &QAction::triggered, this, [this, style] { chooseStyle(style); });
    }
    m_themeFileItem = m_menu->addAction(QString());
    m_themeFileItem->setObjectName("lookThemeFile");
    m_themeFileItem->setCheckable(true);
    m_themeFileItem->setData(int(TsuiUIStyle::FromThemeFile));
    m_items->addAction(m_themeFileItem);
    connect(m_themeFileItem, &QAction::triggered, this,
            [this] { chooseThemeFile(m_look.themeFile); });
    m_menu->addSeparator()->setObjectName("lookSeparator");
    m_chooseFileItem = m_menu->addAction(QStringLiteral("Тема из файла…"));
    m_chooseFileItem->setObjectName("lookChooseFile");
    connect(m_chooseFileItem, &QAction::triggered, this, &LookChooser::askThemeFile);
    menu->Loaded();

    m_look.style = manager->UIStyle();
    if (m_look.style == TsuiUIStyle::FromThemeFile && manager->FileTheme())
        m_look.themeFile = manager->FileTheme()->ThemeFile();
    tickItems();
}

QAction* LookChooser::styleItem(TsuiUIStyle style) const {
    for (QAction* item : m_items->actions()) {
        if (item->data().toInt() == int(style))
            return item;
    }
    return nullptr;
}

void LookChooser::chooseStyle(TsuiUIStyle style) {
    apply(Look{style, QString()});
    save();
}

bool LookChooser::chooseThemeFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    const QString problem = skin::themes::themeFileProblem(full);
    if (!problem.isEmpty()) {
        platform::showError(problem + QStringLiteral(" Вид не изменился."));
        tickItems();
        return false;
    }
    try {
        apply(Look{TsuiUIStyle::FromThemeFile, full});
    } catch (const skin::themes::ThemeFileError&) {
        platform::showError(unreadableTheme(full));
        tickItems();
        return false;
    }
    save();
    return true;
}

void LookChooser::askThemeFile() {
    QFileDialog dialog(m_window, QStringLiteral("Тема из файла"));
    dialog.setObjectName("lookThemeDialog");
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!m_look.themeFile.isEmpty())
        dialog.setDirectory(QFileInfo(m_look.themeFile).absolutePath());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        chooseThemeFile(dialog.selectedFiles().constFirst());
    else
        tickItems();
}

bool LookChooser::startWith(const Look& look) {
    if (look.style == TsuiUIStyle::FromThemeFile &&
        !skin::themes::themeFileProblem(look.themeFile).isEmpty()) {
        apply(Look());
        return false;
    }
    try {
        apply(look);
    } catch (const skin::themes::ThemeFileError&) {
        apply(Look());
        return false;
    }
    return true;
}

void LookChooser::apply(const Look& look) {
    if (look.style == TsuiUIStyle::FromThemeFile) {
        TsuiFileTheme* theme = m_manager->FileTheme();
        const QString full = QFileInfo(look.themeFile).absoluteFilePath();
        // The same file chosen again is read again: it may have been rebuilt meanwhile.
        if (theme->ThemeFile() == full)
            theme->reload();
        else
            theme->setThemeFile(full);
        m_look = Look{look.style, theme->ThemeFile()};
    } else {
        m_look = Look{look.style, QString()};
    }
    // Every linked window takes the look, also when the style stays the same.
    m_manager->setUIStyle(m_look.style);
    tickItems();
    emit lookChanged();
}

void LookChooser::tickItems() {
    const bool fromFile = m_look.style == TsuiUIStyle::FromThemeFile;
    m_themeFileItem->setVisible(fromFile);
    m_themeFileItem->setText(fromFile ? QFileInfo(m_look.themeFile).fileName() : QString());
    for (QAction* item : m_items->actions())
        item->setChecked(item->data().toInt() == int(m_look.style));
}

void LookChooser::save() {
    if (!saveLook(m_look))
        platform::showError(QStringLiteral("Вид применён, но не сохранён: файл настроек не "
                                           "записан."));
}

} // namespace app
