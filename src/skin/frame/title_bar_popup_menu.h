#pragma once

#include "skin/controls/menu_popup.h"

class TsuiTitleBar;

// The window menu of a skinned title bar: minimise, maximise/restore and close, each
// usable only when the bar has a button of that kind.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT

public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* bar);

    QAction* minimizeItem() const { return m_minimize; }
    QAction* maximizeItem() const { return m_maximize; }
    QAction* closeItem() const { return m_close; }

    // Enables the items by the bar's buttons; done before every opening.
    void updateItems();

private:
    TsuiTitleBar* m_bar;
    QAction* m_minimize;
    QAction* m_maximize;
    QAction* m_close;
};
