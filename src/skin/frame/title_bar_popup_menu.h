#pragma once

#include "skin/controls/menu_popup.h"

class TsuiTitleBar;

// The window menu of a skinned title bar: minimise, maximise/restore and close, each
// usable only when the bar has a button of that kind.
class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT

public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* bar);

    QAction* MinimizeItem() const { return m_minimize; }
    QAction* MaximizeItem() const { return m_maximize; }
    QAction* CloseItem() const { return m_close; }

    // Enables the items by the bar's buttons; done before every opening.
    void UpdateItems();

private:
    TsuiTitleBar* m_bar;
    QAction* m_minimize;
    QAction* m_maximize;
    QAction* m_close;
};
