#pragma once

#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar_items.h"
#include "skin/themes/tcolor.h"

#include <QFont>
#include <QList>

class QWidget;

namespace skin::frame {

// The captions of the program's skinned windows and dialogs: bold Tahoma, 11 pixels, white.
QFont windowCaptionFont();
inline constexpr TColor kWindowCaptionColor = TColor::fromHex(0xFFFFFF);

// Puts the program's skinned frame on window: a skinned form named suiForm1, in the
// program's style until a theme manager the window is linked to gives it another, with
// the window's caption in bold white Tahoma, the given title-bar buttons (in this order),
// top corners rounded with 13 and a 22-pixel menu bar for a menu attached later. border is
// the border the window would have had; only a sizeable one resizes.
TsuiForm* skinWindow(QWidget* window, const QList<TsuiTitleBarBtnType>& buttons,
                     FormBorderStyle border = FormBorderStyle::Sizeable);

} // namespace skin::frame
