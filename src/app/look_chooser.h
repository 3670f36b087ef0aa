#pragma once

#include "app/look_setting.h"

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class TsuiMainMenu;
class TsuiThemeManager;

namespace app {

// The "Вид" menu of the main window: the built-in looks as ticked items, the theme file
// in use (its name, ticked, while one is), and "Тема из файла…". A choice goes to every
// linked window at once through the theme manager and is saved in the user's settings.
class LookChooser : public QObject {
    Q_OBJECT

public:
    // Adds the menu after the items already on menu; manager hands out the looks, with
    // its file theme holding the theme file. window parents the file dialog and the boxes.
    LookChooser(TsuiMainMenu* menu, TsuiThemeManager* manager, QWidget* window);

    QMenu* menu() const { return m_menu; }
    QAction* styleItem(TsuiUIStyle style) const;
    // The item that names the theme file in use; hidden while none is.
    QAction* themeFileItem() const { return m_themeFileItem; }
    // "Тема из файла…".
    QAction* chooseFileItem() const { return m_chooseFileItem; }

    Look look() const { return m_look; }

    // Gives every window the built-in look and saves it.
    void chooseStyle(TsuiUIStyle style);
    // Gives every window the theme file's look and saves it; the file is read again when it
    // is the one in use. A file that cannot give a whole look is reported in an error box
    // and changes nothing: false then.
    bool chooseThemeFile(const QString& path);
    // "Тема из файла…": asks for the file in a file dialog, then as chooseThemeFile.
    void askThemeFile();

    // At start: the given look, not saved. A theme file that cannot give a whole look
    // leaves the program's own look; false then.
    bool startWith(const Look& look);

signals:
    // The windows took another look.
    void lookChanged();

private:
    // Gives the look to the manager; throws ThemeFileError when the theme file cannot
    // be read.
    void apply(const Look& look);
    void tickItems();
    void save();

    TsuiThemeManager* m_manager;
    QWidget* m_window;
    QMenu* m_menu = nullptr;
    QActionGroup* m_items = nullptr;
    QAction* m_themeFileItem = nullptr;
    QAction* m_chooseFileItem = nullptr;
    Look m_look;
};

} // namespace app
