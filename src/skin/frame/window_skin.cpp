#include "skin/frame/window_skin.h"

#include "skin/frame/sui_form.h"

namespace {
constexpr int kCaptionPixelSize = 11;
constexpr int kRoundCorner = 13;
constexpr int kMenuBarHeight = 22;
} // namespace

QFont windowCaptionFont() {
    QFont caption(QStringLiteral("Tahoma"));
    caption.setPixelSize(kCaptionPixelSize);
    caption.setBold(true);
    return caption;
}

TsuiForm* skinWindow(QWidget* window, const QList<TsuiTitleBarBtnType>& buttons,
                     FormBorderStyle border) {
    auto* form = new TsuiForm(window, border);
    form->setTitleBarCustom(false);
    form->setUIStyle(TsuiUIStyle::WinXP);
    form->setUIStyleAutoUpdateSub(false);
    QList<TsuiTitleBarButton> items;
    for (TsuiTitleBarBtnType type : buttons) {
        TsuiTitleBarButton button;
        button.ButtonType = type;
        button.UIStyle = TsuiUIStyle::WinXP;
        button.Top = 5;
        items.append(button);
    }
    form->setTitleBarButtons(items);
    form->setTitleBarDrawAppIcon(false);
    form->setCaptionFont(windowCaptionFont(), kWindowCaptionColor);
    form->setMenuBarColor(TColor::fromHex(0xEFEBDE));
    form->setMenuBarHeight(kMenuBarHeight);
    form->setRoundCorner(kRoundCorner);
    return form;
}
