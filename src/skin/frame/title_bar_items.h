#pragma once

#include "skin/themes/ui_style.h"

#include <QImage>
#include <QObject>
#include <QPointer>

class QMenu;

// The enumerations of the title bar's buttons and sections, published by name.
class TsuiTitleBarTypes {
    Q_GADGET
public:
    enum TsuiTitleBarBtnType { suiMax, suiMin, suiClose, suiHelp, suiControlBox, suiCustom };
    Q_ENUM(TsuiTitleBarBtnType)
    enum TsuiTitleBarAlign { suiLeft, suiRight, suiClient };
    Q_ENUM(TsuiTitleBarAlign)
};
using TsuiTitleBarBtnType = TsuiTitleBarTypes::TsuiTitleBarBtnType;
using TsuiTitleBarAlign = TsuiTitleBarTypes::TsuiTitleBarAlign;

// One button of the title bar: its kind and its three pictures (normal, under the mouse,
// pressed). The bar changes buttons through its own setters so that the style and the
// one-control-box rule apply.
struct TsuiTitleBarButton {
    TsuiUIStyle UIStyle = TsuiUIStyle::DeepBlue;
    TsuiTitleBarBtnType ButtonType = TsuiTitleBarBtnType::suiCustom;
    bool Transparent = false;
    int Top = 2;
    QPointer<QMenu> ControlBoxMenu;
    bool Visible = true;
    QImage PicNormal, PicMouseOn, PicMouseDown;
};

// One background picture of the title bar.
struct TsuiTitleBarSection {
    bool AutoSize = false;
    int Width = 10;
    TsuiTitleBarAlign Align = TsuiTitleBarAlign::suiLeft;
    QImage Picture;
    bool Stretch = false;
};

namespace skin::frame {

// The frame (1-based, of the 18-frame button strip) that shows a button of this type
// normally; the mouse-over and pressed frames follow it.
int titleButtonBaseFrame(TsuiTitleBarBtnType type);

} // namespace skin::frame
