#include "skin/frame/message_window.h"

#include "skin/controls/button.h"
#include "skin/frame/sui_form.h"
#include "skin/frame/window_skin.h"
#include "skin/themes/skin_metrics.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

using namespace skin::frame;
using namespace skin::themes;

namespace {

const QString kRule(27, QLatin1Char('-'));
const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

TfrmMsg::TfrmMsg(QWidget* parent) : QDialog(parent) {
    setObjectName("frmMsg");
    setMinimumWidth(150);
    resize(kMessageClientSize);
    suiForm1 = skinWindow(this, {TsuiTitleBarBtnType::suiClose}, FormBorderStyle::Dialog);
    suiForm1->setUIStyleAutoUpdateSub(true);

    lbl = new QLabel(suiForm1);
    lbl->setObjectName("lbl");
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setAttribute(Qt::WA_TranslucentBackground);
    lbl->setFixedWidth(kMessageTextWidth);
    lbl->move(kMessageTextOrigin);

    Image1 = new QLabel(suiForm1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(QRect(kMessageIconOrigin, QSize(kMessageIconSize, kMessageIconSize)));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QList<TsuiButton*> TfrmMsg::buttons() const {
    return suiForm1->findChildren<TsuiButton*>(Qt::FindDirectChildrenOnly);
}

QString TfrmMsg::clipboardText() const {
    QStringList captions;
    for (const TsuiButton* button : buttons())
        captions << button->text();
    return QStringList{
        kRule, suiForm1->Caption(), kRule, lbl->text(), kRule, captions.join(QStringLiteral("   ")),
        kRule}
        .join(kLineBreak);
}

TsuiButton* TfrmMsg::addButton(const QString& caption, int modalResult, const QRect& geometry,
                               Qt::CursorShape cursor) {
    auto* button = new TsuiButton(suiForm1);
    button->setGeometry(geometry);
    button->setText(caption);
    button->setModalResult(modalResult);
    button->setCursor(cursor);
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(this);
    return button;
}

bool TfrmMsg::FormKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_C || !event.modifiers().testFlag(Qt::ControlModifier))
        return false;
    QGuiApplication::clipboard()->setText(clipboardText());
    return true;
}

void TfrmMsg::keyPressEvent(QKeyEvent* event) {
    if (!FormKeyDown(*event))
        QDialog::keyPressEvent(event);
}

// The window sees every key before the button with the focus does.
bool TfrmMsg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && FormKeyDown(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TfrmMsg::closeEvent(QCloseEvent* event) {
    if (isVisible())
        done(kCloseResult);
    event->accept();
}
