#include "skin/frame/window_building.h"

#include "platform/fonts.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/title_bar.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/skin_metrics.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

using namespace skin::themes;

namespace {

class DoubleStruckLabel : public QLabel {
public:
    using QLabel::QLabel;

    QFont regularFont() const {
        QFont regular = font();
        regular.setBold(false);
        return regular;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(regularFont());
        painter.setPen(palette().color(foregroundRole()));
        const int flags = int(alignment()) | Qt::TextSingleLine;
        const QRect area = contentsRect().adjusted(0, 0, -1, 0);
        painter.drawText(area, flags, text());
        painter.drawText(area.translated(1, 0), flags, text());
    }
};

// The form's panel for the controls; it keeps the form's height at its title bar's height
// and its own.
class ContentPanel : public QWidget {
public:
    ContentPanel(TsuiForm* form, int contentHeight)
        : QWidget(form), m_form(form), m_contentHeight(contentHeight) {
        setObjectName(QStringLiteral("contentPanel"));
        form->setFormPanel(this);
        form->TitleBar()->installEventFilter(this);
        fitForm();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fitForm();
        return QWidget::eventFilter(watched, event);
    }

private:
    void fitForm() { m_form->setHeight(m_form->TitleBar()->height() + m_contentHeight); }

    TsuiForm* m_form;
    int m_contentHeight;
};

} // namespace

namespace skin::frame {

TsuiForm* setUpSkinnedWindow(QWidget* window, const char* objectName, const QString& title,
                             QSize panelSize, const QList<TsuiTitleBarBtnType>& buttons) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(title);
    window->setMinimumWidth(kWindowMinimumWidth);
    window->setFont(platform::interfaceFont());
    TsuiForm* form = skinWindow(window, buttons);
    // The window is sized around the panel by the skinned form's border.
    form->setWidth(panelSize.width());
    form->setHeight(panelSize.height());
    return form;
}

QWidget* contentPanel(TsuiForm* form, int contentHeight) {
    return new ContentPanel(form, contentHeight);
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->move(left, top);
    result->adjustSize();
    return result;
}

QLabel* boldLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* result = new DoubleStruckLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    QFont bold = result->font();
    bold.setBold(true);
    result->setFont(bold);
    // Sized to the regular glyphs it draws and the one pixel they are moved by.
    const QSize textSize =
        QFontMetrics(result->regularFont()).size(Qt::TextSingleLine, text) + QSize(1, 0);
    result->setGeometry(QRect(QPoint(left, top), textSize));
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
