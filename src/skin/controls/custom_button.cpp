#include "skin/controls/custom_button.h"

#include "skin/controls/button_accessible.h"
#include "skin/controls/image_list_drawing.h"
#include "skin/paint/control_painting.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

#include <algorithm>

using namespace skin::controls;
using namespace skin::paint;
using namespace skin::themes;

namespace {

bool isPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : QAbstractButton(parent), SkinBinding(startStyleFor(parent)) {
    TsuiButtonAccessible::install();
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Connected before anyone else can connect, so it runs ahead of the click handlers.
    connect(this, &QAbstractButton::clicked, this, &TsuiCustomButton::onClick);
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::setCaption(const QString& caption) {
    setText(caption);
    CaptionChanged();
    update();
}

void TsuiCustomButton::setAutoSize(bool on) {
    m_autoSize = on;
    UpdateAutoSize();
    update();
}

void TsuiCustomButton::setTabStop(bool on) {
    m_tabStop = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void TsuiCustomButton::UIStyleChanged() {
    update();
}

void TsuiCustomButton::setTransparent(bool on) {
    m_transparent = on;
    TransparentChanged();
}

void TsuiCustomButton::setDefault(bool on) {
    m_default = on;
    updateDialogKeys();
}

void TsuiCustomButton::setCancel(bool on) {
    m_cancel = on;
    updateDialogKeys();
}

void TsuiCustomButton::UpdateAutoSize() {
    if (!m_autoSize)
        return;
    QImage strip;
    GetStyleBitmap(UIStyle(), ThemeElement::ButtonImage, &strip, 0, 0);
    const int height = strip.height() > 0 ? strip.height() : kBlankButtonFace.height();
    const int width = strip.width() > 0 ? strip.width() : kBlankButtonFace.width();
    resize(width / 3, height);
}

void TsuiCustomButton::FontChanged() {
    update();
}

void TsuiCustomButton::TransparentChanged() {
    m_skinTransparent = m_transparent;
    update();
}

QImage TsuiCustomButton::faceFrame(int index) const {
    return styleReader().image(ThemeElement::ButtonImage, index, 3);
}

void TsuiCustomButton::DrawSkin(QPainter& painter, const QImage& face) {
    if (face.isNull())
        return;
    drawImageListPicture(painter, QPoint(0, 0), face, m_skinTransparent, !isEnabled());
}

void TsuiCustomButton::drawCaptionText(QPainter& painter, const QRect& rect, int flags) {
    const QString caption = text();
    if (!isEnabled()) {
        painter.setPen(kEmbossLight.toQColor());
        painter.drawText(rect.translated(1, 1), flags, caption);
        painter.setPen(kEmbossShade.toQColor());
        painter.drawText(rect, flags, caption);
    } else {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(m_mouseDown ? rect.translated(1, 1) : rect, flags, caption);
    }
}

void TsuiCustomButton::DrawCaption(QPainter& painter) {
    QFont captionFont = font();
    if (m_boldCaption)
        captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setBrush(Qt::NoBrush);
    drawCaptionText(painter, rect(), Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic);
    m_boldCaption = false;
}

void TsuiCustomButton::DrawFocus(QPainter& painter) {
    // The platform's focus rectangle: every other pixel of the outline inverted.
    const int m = m_focusMargin;
    const int left = m, top = m, right = width() - m - 1, bottom = height() - m - 1;
    if (right < left || bottom < top)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    auto dot = [&painter](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        if (bottom != top)
            dot(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        dot(left, y);
        if (right != left)
            dot(right, y);
    }
    painter.restore();
}

void TsuiCustomButton::paintEvent(QPaintEvent*) {
    QImage face = !isEnabled()  ? GetDisabledFrame()
                  : m_mouseDown ? GetMouseDownFrame()
                  : m_mouseOn   ? GetMouseOnFrame()
                                : GetNormalFrame();
    if (face.isNull()) {
        face = QImage(kBlankButtonFace, QImage::Format_RGB32);
        face.fill(Qt::white);
    }
    QPainter painter(this);
    QWidget* under = parentWidget();
    if (m_transparent && under) {
        if (under->inherits("TsuiToolBar")) {
            // A see-through toolbar shows its own parent: so does a button on it.
            painter.translate(-pos());
            PaintParentBackground(painter, under);
            painter.translate(pos());
        } else
            PaintParentBackground(painter, this);
    } else
        painter.fillRect(rect(), palette().color(QPalette::Window));
    DrawSkin(painter, face);
    if (hasFocus() && m_tabStop)
        DrawFocus(painter);
    painter.setFont(font());
    if (!text().trimmed().isEmpty())
        DrawCaption(painter);
}

void TsuiCustomButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    m_mouseOn = true;
    update();
    emit mouseEnter();
}

void TsuiCustomButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    m_mouseOn = false;
    m_mouseDown = false;
    releaseRepeatTimer();
    update();
    emit mouseExit();
}

void TsuiCustomButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_mouseDown = true;
        if (!m_repeatTimer) {
            m_repeatTimer = new QTimer(this);
            m_repeatTimer->setObjectName("MouseContinuouslyDownTimer");
            m_repeatTimer->setInterval(std::max(m_repeatInterval, 0));
            connect(m_repeatTimer, &QTimer::timeout, this,
                    &TsuiCustomButton::mouseContinuouslyDown);
            m_repeatTimer->start();
        }
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void TsuiCustomButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        m_mouseOn = false;
        m_mouseDown = false;
        update();
    }
}

void TsuiCustomButton::mouseReleaseEvent(QMouseEvent* event) {
    QAbstractButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        // The press is over, with or without a click.
        releaseRepeatTimer();
        m_mouseDown = false;
        update();
    }
}

void TsuiCustomButton::keyPressEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    if (hasFocus() && isEnabled() && !event->isAutoRepeat()) {
        m_mouseDown = true;
        update();
    }
    event->accept();
}

void TsuiCustomButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !hasFocus() || !m_mouseDown || !isEnabled())
        return;
    m_mouseDown = false;
    update();
    click();
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

void TsuiCustomButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        EnabledChanged();
        update();
    } else if (event->type() == QEvent::FontChange)
        FontChanged();
}

bool TsuiCustomButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        // The accelerator of the caption clicks at once.
        if (isEnabled())
            click();
        return true;
    }
    return QAbstractButton::event(event);
}

void TsuiCustomButton::onClick() {
    if (m_mouseDown) {
        releaseRepeatTimer();
        m_mouseDown = false;
        update();
    }
    if (m_tabStop && isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::OtherFocusReason);
    // A dialog shown modally closes with this result once the click's handlers have run.
    auto* dialog = qobject_cast<QDialog*>(window());
    if (!dialog)
        return;
    dialog->setResult(m_modalResult);
    if (m_modalResult != 0 && dialog->testAttribute(Qt::WA_ShowModal))
        QMetaObject::invokeMethod(
            dialog,
            [dialog] {
                if (dialog->result() != 0 && dialog->isVisible())
                    dialog->done(dialog->result());
            },
            Qt::QueuedConnection);
}

void TsuiCustomButton::releaseRepeatTimer() {
    if (!m_repeatTimer)
        return;
    m_repeatTimer->stop();
    m_repeatTimer->deleteLater();
    m_repeatTimer = nullptr;
}

void TsuiCustomButton::updateDialogKeys() {
    qDeleteAll(m_dialogKeys);
    m_dialogKeys.clear();
    QList<QKeySequence> keys;
    if (m_default)
        keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
    if (m_cancel)
        keys << QKeySequence(Qt::Key_Escape);
    for (const QKeySequence& key : keys) {
        // Exact key sequences: Enter with Ctrl, Shift or Alt held does not match.
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &TsuiCustomButton::dialogKey);
        m_dialogKeys << shortcut;
    }
}

void TsuiCustomButton::dialogKey() {
    if (isEnabled() && isVisible())
        click();
}
