#include "skin/frame/window_skin.h"

#include "platform/fonts.h"
#include "skin/frame/sui_form.h"
#include "skin/themes/skin_metrics.h"

using namespace skin::themes;

namespace skin::frame {

QFont windowCaptionFont() {
    QFont caption(QString::fromLatin1(kCaptionFontFamily));
    caption.setPixelSize(kCaptionPixelSize);
    caption.setBold(true);
    return platform::unsmoothed(caption);
}

TsuiForm* skinWindow(QWidget* window, const QList<TsuiTitleBarBtnType>& buttons,
                     FormBorderStyle border) {
    auto* form = new TsuiForm(window, border);
    form->setTitleBarCustom(false);
    form->setUIStyle(kProgramStyle);
    form->setUIStyleAutoUpdateSub(false);
    QList<TsuiTitleBarButton> items;
    for (TsuiTitleBarBtnType type : buttons) {
        TsuiTitleBarButton button;
        button.ButtonType = type;
        button.UIStyle = kProgramStyle;
        button.Top = 5;
        items.append(button);
    }
    form->setTitleBarButtons(items);
    form->setTitleBarDrawAppIcon(false);
    form->setCaptionFont(windowCaptionFont(), kWindowCaptionColor);
    form->setMenuBarColor(TColor::fromHex(0xEFEBDE));
    form->setMenuBarHeight(skin::themes::kMenuBarHeight);
    form->setRoundCorner(kWindowRoundCorner);
    return form;
}

} // namespace skin::frame
