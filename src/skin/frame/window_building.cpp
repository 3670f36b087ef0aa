#include "skin/frame/window_building.h"

#include "platform/fonts.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/skin_metrics.h"

#include <QLabel>

using namespace skin::themes;

namespace skin::frame {

TsuiForm* setUpSkinnedWindow(QWidget* window, const char* objectName, const QString& title,
                             QSize size, const QList<TsuiTitleBarBtnType>& buttons) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(title);
    window->setMinimumWidth(kWindowMinimumWidth);
    window->resize(size);
    window->setFont(platform::interfaceFont());
    return skinWindow(window, buttons);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->move(left, top);
    result->adjustSize();
    return result;
}

QFrame* bevel(QWidget* parent, const char* name, int left, int top, int width, int height,
              QFrame::Shape shape) {
    auto* frame = place(new QFrame(parent), name, left, top, width, height);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

TsuiButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    auto* result = place(new TsuiButton(parent), name, left, top, width, height);
    result->setUIStyle(TsuiUIStyle::WinXP);
    result->setCaption(caption);
    return result;
}

TsuiComboBox* choiceList(QWidget* parent, const char* name, const QStringList& texts, int left,
                         int top, int width, int height) {
    auto* result = place(new TsuiComboBox(parent), name, left, top, width, height);
    result->setUIStyle(TsuiUIStyle::WinXP);
    result->setStyle(TsuiComboBox::csDropDownList);
    result->addItems(texts);
    return result;
}

} // namespace skin::frame
