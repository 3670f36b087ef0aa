#pragma once

#include "skin/controls/menu_skin.h"

class QKeyEvent;

// A window's skinned main menu. It is never shown as a native menu bar: the top-level
// items (the actions of this menu, each with its drop-down list) are shown by the
// skinned form it is attached to, which draws the menu bar and opens the lists. The form
// listens to the signals below; the menu itself knows no more of it than its address.
class TsuiMainMenu : public TsuiMenu {
    Q_OBJECT

public:
    // With a window as owner, the first skinned form on it takes this menu.
    explicit TsuiMainMenu(QWidget* owner);
    ~TsuiMainMenu() override;

    // Hooks every item and lets the attached form build its menu bar; called once the
    // items are in place.
    void Loaded();

    void setUseSystemFont(bool use) override;

    // The skinned form this menu is attached to (set by the form).
    QWidget* skinnedForm() const { return m_form; }
    void setSkinnedForm(QWidget* form) { m_form = form; }

    // Runs the enabled item whose shortcut is key; false when no item has it.
    bool isShortCut(const QKeyEvent* key);

signals:
    // The items are in place: the form rebuilds its menu bar.
    void itemsLoaded();
    // The item font changed: the form redraws its menu bar in it.
    void itemFontChanged();
    // The menu is going while still attached: the form lets it go.
    void detaching();

protected:
    QImage checkMark() const override { return m_checkMark; }

private:
    QImage m_checkMark;
    QPointer<QWidget> m_form;
};
