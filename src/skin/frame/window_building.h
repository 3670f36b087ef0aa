#pragma once

#include "skin/frame/title_bar_items.h"

#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QWidget;
class TsuiButton;
class TsuiComboBox;
class TsuiForm;

// What every window of the program is built from: the skinned window itself and the
// controls it places at fixed positions by name.
namespace skin::frame {

// The window's common set-up: its object name, title, the 150-pixel minimum width and the
// interface font, then the skinned frame with these title-bar buttons, whose panel is given
// panelSize (the window gets the frame's border around it).
TsuiForm* setUpSkinnedWindow(QWidget* window, const char* objectName, const QString& title,
                             QSize panelSize, const QList<TsuiTitleBarBtnType>& buttons);

// The panel under the title bar that holds the window's controls, contentHeight high.
// Looks differ in the height of their title bars: the window grows or shrinks with its
// title bar, so no look covers the top controls or cuts off the bottom ones.
QWidget* contentPanel(TsuiForm* form, int contentHeight);

// Names widget and puts it at the given place.
template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

// A caption at (left, top), sized to its text.
QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top);

// A bold caption at (left, top), sized to its text, emboldened as the platform did for
// fonts without a bold face: the regular glyphs drawn twice, one pixel apart.
QLabel* boldLabel(QWidget* parent, const char* name, const QString& text, int left, int top);

// A sunken bevel: a line (QFrame::HLine) or a box.
QFrame* bevel(QWidget* parent, const char* name, int left, int top, int width, int height,
              QFrame::Shape shape);

// A skinned button, in the style of its window.
TsuiButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
                   int width, int height);

// A WinXP skinned list to choose one of the texts from (no typing).
TsuiComboBox* choiceList(QWidget* parent, const char* name, const QStringList& texts, int left,
                         int top, int width, int height);

} // namespace skin::frame
