#include "skin/frame/message_dialog.h"

#include "skin/controls/button.h"
#include "skin/frame/geometry.h"
#include "skin/frame/message_window.h"
#include "skin/frame/sui_form.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/cut_frame.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>

using namespace skin::frame;
using namespace skin::paint;
using namespace skin::themes;

namespace {

// The message window's fixed layout.
constexpr int kIconBottom = kMessageIconOrigin.y() + kMessageIconSize;
// Without an icon the text takes the icon's place and the window narrows by the shift.
constexpr int kNarrowerWithoutIcon = kMessageTextOrigin.x() - kMessageIconOrigin.x();

} // namespace

TsuiDialog::TsuiDialog(QObject* owner) : QObject(owner) {
    m_captionFont = QFont(QStringLiteral("Tahoma"));
    m_captionFont.setBold(true);
    setUIStyle(OwnerFormStyle(owner));
}

void TsuiDialog::UIStyleChanged() {
    if (UIStyle() == TsuiUIStyle::MacOS)
        m_captionColor = TColor(0);
}

void TsuiDialog::placeWindow(QWidget& window) const {
    QRect area;
    switch (m_position) {
    case poScreenCenter:
        area = QGuiApplication::primaryScreen()->geometry();
        break;
    case poDesktopCenter:
        area = QGuiApplication::primaryScreen()->virtualGeometry();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter:
        if (const QWidget* active = QApplication::activeWindow())
            area = active->frameGeometry();
        else
            area = QGuiApplication::primaryScreen()->geometry();
        break;
    default:
        return;
    }
    window.move(centredIn(area, window.size()));
}

TsuiMessageDialog::TsuiMessageDialog(QObject* owner) : TsuiDialog(owner) {}

std::unique_ptr<TfrmMsg> TsuiMessageDialog::buildWindow() const {
    auto window = std::make_unique<TfrmMsg>();
    window->setFont(Font());
    QLabel& text = *window->lbl;
    text.setText(m_text);
    text.resize(kMessageTextWidth, text.heightForWidth(kMessageTextWidth));
    const int b = std::max(kIconBottom, text.geometry().bottom() + 1);

    if (m_iconType != suiNone) {
        text.move(kMessageTextOrigin);
        QImage icon;
        CutFrame(loadSkinResource("MSGDLG"), icon, kMessageIconFrames, int(m_iconType));
        // The icons stand on the key colour, so the window's own background shows round them.
        window->Image1->setPixmap(QPixmap::fromImage(withoutKey(icon)));
        window->Image1->resize(icon.size());
    } else {
        text.move(kMessageIconOrigin);
        window->Image1->hide();
        if (m_buttonCount < 3)
            window->resize(window->width() - kNarrowerWithoutIcon, window->height());
    }

    const int W = window->width();
    QList<TsuiButton*> fromLeft;
    for (int i = 0; i < m_buttonCount; ++i) {
        const int n = m_buttonCount - i;
        const QRect place(QPoint(W - kMessageFirstButtonFromRight - kMessageButtonPitch * i,
                                 b + kMessageButtonsBelowText),
                          kMessageButtonSize);
        TsuiButton* button =
            window->addButton(m_captions[n - 1], m_results[n - 1], place, ButtonCursor());
        button->setFocus();
        fromLeft.prepend(button);
    }
    for (int i = 1; i < fromLeft.size(); ++i)
        QWidget::setTabOrder(fromLeft[i - 1], fromLeft[i]);

    window->resize(window->width(), b + kMessageHeightBelowText);
    placeWindow(*window);

    window->suiForm1->setCaption(Caption());
    window->suiForm1->setFileTheme(FileTheme());
    window->suiForm1->setUIStyle(UIStyle());
    window->suiForm1->setCaptionFont(CaptionFont(), captionFontColor());
    return window;
}

int TsuiMessageDialog::ShowModal() {
    const std::unique_ptr<TfrmMsg> window = buildWindow();
    return window->exec();
}
