#pragma once

#include "skin/frame/title_bar_items.h"

#include <QList>

class QWidget;
class TsuiForm;

// Puts the program's skinned frame on window: a WinXP skinned form named suiForm1 with
// the window's caption in bold white Tahoma, the given title-bar buttons (in this order),
// top corners rounded with 13 and a 22-pixel menu bar for a menu attached later.
TsuiForm* SkinWindow(QWidget* window, const QList<TsuiTitleBarBtnType>& buttons);
