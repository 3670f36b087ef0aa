#include "skin/frame/status_bar.h"

#include "platform/accessible_events.h"
#include "skin/frame/status_bar_accessible.h"
#include "skin/frame/sui_form.h"
#include "skin/paint/keyed_blit.h"
#include "skin/themes/skin_metrics.h"
#include "skin/themes/skin_resources.h"
#include "skin/themes/style_inheritance.h"
#include "skin/themes/theme_elements.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

using namespace skin::frame;
using namespace skin::paint;
using namespace skin::themes;

TsuiStatusBar::TsuiStatusBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    StatusBarAccessible::install();
    setUIStyle(startStyleFor(parent));
    if (parent) {
        parent->installEventFilter(this);
        alignToBottom();
    }
}

void TsuiStatusBar::alignToBottom() {
    if (QWidget* parent = parentWidget())
        setGeometry(0, parent->height() - height(), parent->width(), height());
}

bool TsuiStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        alignToBottom();
    return QWidget::eventFilter(watched, event);
}

void TsuiStatusBar::UIStyleChanged() {
    setPanelColor(styleReader().color(ThemeElement::FormBackgroundColor));
}

void TsuiStatusBar::setPanelColor(TColor color) {
    m_panelColor = color;
    update();
}

void TsuiStatusBar::addPanel(int width, const QString& text) {
    m_panels.append({width, text});
    update();
}

void TsuiStatusBar::setPanelText(int index, const QString& text) {
    if (m_panels.at(index).text == text)
        return;
    m_panels[index].text = text;
    update(panelRect(index));
    // A screen reader reads the bar's name and value: both are the panels' texts.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    platform::notifyAccessible(named);
    QAccessibleValueChangeEvent valued(this, StatusBarAccessible::panelTexts(this));
    platform::notifyAccessible(valued);
}

QRect TsuiStatusBar::panelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += m_panels.at(i).width + kStatusPanelGap;
    return QRect(left, kStatusPanelGap, m_panels.at(index).width, height() - kStatusPanelGap);
}

bool TsuiStatusBar::gripWanted() const {
    const auto* form = qobject_cast<const TsuiForm*>(parentWidget());
    return form && form->Sizeable() && !window()->isMaximized();
}

void TsuiStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_panelColor.toQColor());
    for (int i = 0; i < panelCount(); ++i) {
        const QRect r = panelRect(i);
        qDrawShadePanel(&painter, r, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(r.adjusted(kStatusTextIndent, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         m_panels.at(i).text);
    }
    if (!gripWanted())
        return;
    const QImage grip = loadSkinResource("STATUSBAR_HANDLE");
    const int w = grip.width(), h = grip.height(), W = width(), H = height();
    m_gripRect = QRect(QPoint(W - w / 2 - 2, H - h / 2 - 2), QPoint(W - 1, H - 1));
    stretchBlit(painter, QRect(W - w - 1, H - h - 1, w, h), grip, grip.rect(), true);
}

void TsuiStatusBar::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    m_mouseDown = true;
}

void TsuiStatusBar::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    m_mouseDown = false;
}

void TsuiStatusBar::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint point = event->position().toPoint();
    if (m_mouseDown && m_overGrip) {
        QWidget* form = window();
        const QPoint screen = mapToGlobal(point);
        const QPoint origin = form->geometry().topLeft();
        form->resize(screen.x() - origin.x() + kGripOvershoot,
                     screen.y() - origin.y() + kGripOvershoot);
    } else if (!m_gripRect.isEmpty() && m_gripRect.contains(point)) {
        setCursor(Qt::SizeFDiagCursor);
        m_overGrip = true;
    } else {
        unsetCursor();
        m_overGrip = false;
    }
}
