#include "skin/frame/window_drag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <QWindow>

namespace skin::frame {

namespace {

// Follows the mouse until its button is released: watches the application's mouse
// events (the pressed widget keeps receiving them while the button is held).
class MouseFollower : public QObject {
public:
    MouseFollower(QWidget* window, Qt::Edges edges, const QPoint& globalPress)
        : QObject(window), m_window(window), m_edges(edges), m_press(globalPress),
          m_start(window->geometry()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            follow(mouse->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            follow(mouse->globalPosition().toPoint());
            qApp->removeEventFilter(this);
            deleteLater();
            return true;
        }
        return false;
    }

private:
    void follow(const QPoint& global) {
        // A window maximised or minimised meanwhile (a double click) stays where it is.
        if (!m_window || m_window->isMaximized() || m_window->isMinimized())
            return;
        const QPoint delta = global - m_press;
        if (m_edges == Qt::Edges())
            m_window->move(m_start.topLeft() + delta);
        else
            m_window->setGeometry(
                resizedGeometry(m_start, m_edges, delta, m_window->minimumSize()));
    }

    QPointer<QWidget> m_window;
    Qt::Edges m_edges;
    QPoint m_press;
    QRect m_start;
};

} // namespace

QRect resizedGeometry(const QRect& start, Qt::Edges edges, const QPoint& delta,
                      const QSize& minimum) {
    int left = start.left(), top = start.top();
    int right = start.left() + start.width(), bottom = start.top() + start.height();
    const int minW = std::max(1, minimum.width()), minH = std::max(1, minimum.height());
    if (edges & Qt::LeftEdge)
        left = std::min(left + delta.x(), right - minW);
    if (edges & Qt::RightEdge)
        right = std::max(right + delta.x(), left + minW);
    if (edges & Qt::TopEdge)
        top = std::min(top + delta.y(), bottom - minH);
    if (edges & Qt::BottomEdge)
        bottom = std::max(bottom + delta.y(), top + minH);
    return QRect(left, top, right - left, bottom - top);
}

void startWindowMove(QWidget* window, const QPoint& globalPress) {
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    new MouseFollower(window, Qt::Edges(), globalPress);
}

void startWindowResize(QWidget* window, Qt::Edges edges, const QPoint& globalPress) {
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return;
    new MouseFollower(window, edges, globalPress);
}

} // namespace skin::frame
