#include "skin/frame/title_bar_popup_menu.h"

#include "skin/frame/title_bar.h"

#include <QAction>

namespace {

bool hasButton(const TsuiTitleBar* bar, TsuiTitleBarBtnType type) {
    for (const TsuiTitleBarButton& button : bar->Buttons()) {
        if (button.ButtonType == type)
            return true;
    }
    return false;
}

} // namespace

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* bar) : TsuiPopupMenu(bar), m_bar(bar) {
    m_minimize = addAction(QStringLiteral("Mi&nimize"));
    m_maximize = addAction(QStringLiteral("Ma&ximize/Restore"));
    addSeparator();
    m_close = addAction(QStringLiteral("&Close"));
    connect(this, &QMenu::aboutToShow, this, &TsuiTitleBarPopupMenu::updateItems);
    connect(m_minimize, &QAction::triggered, this, [this] {
        for (int i = 0; i < m_bar->Buttons().size(); ++i) {
            if (m_bar->Buttons()[i].ButtonType == TsuiTitleBarBtnType::suiMin) {
                m_bar->DoButtonAction(i);
                return;
            }
        }
    });
    connect(m_maximize, &QAction::triggered, this, [this] {
        for (int i = 0; i < m_bar->Buttons().size(); ++i) {
            if (m_bar->Buttons()[i].ButtonType == TsuiTitleBarBtnType::suiMax)
                m_bar->DoButtonAction(i);
        }
    });
    connect(m_close, &QAction::triggered, this, [this] {
        if (QWidget* form = m_bar->window(); form && form != m_bar)
            form->close();
    });
}

void TsuiTitleBarPopupMenu::updateItems() {
    m_minimize->setEnabled(hasButton(m_bar, TsuiTitleBarBtnType::suiMin));
    m_maximize->setEnabled(hasButton(m_bar, TsuiTitleBarBtnType::suiMax));
    m_close->setEnabled(hasButton(m_bar, TsuiTitleBarBtnType::suiClose));
}
