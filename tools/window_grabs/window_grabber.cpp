#include "window_grabber.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace {

// Inside the offscreen screen and clear of the pointer, which the tool parks in its far
// corner, so nothing is drawn hovered.
const QPoint kWindowPlace(40, 30);
constexpr int kSettleMilliseconds = 3000;

bool exposed(QWidget* widget) {
    return widget->windowHandle() && widget->windowHandle()->isExposed();
}

bool exposedAndActive(QWidget* widget) {
    return exposed(widget) && widget->isActiveWindow();
}

} // namespace

void WindowGrabber::waitFor(const QString& name, bool (*ready)(QWidget*), QWidget* widget) {
    QElapsedTimer timer;
    timer.start();
    while (!ready(widget) && timer.elapsed() < kSettleMilliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!ready(widget))
        m_problems << name + QStringLiteral(": the window did not come up");
    // Whatever showing queued (first-show handlers, layouts, repaints) runs before the grab.
    QApplication::processEvents();
}

void WindowGrabber::grabShown(QWidget* window, const QString& name) {
    pictureOfShown(window, name);
    save(window, name);
}

QImage WindowGrabber::pictureOfShown(QWidget* window, const QString& name) {
    window->move(kWindowPlace);
    window->show();
    window->activateWindow();
    waitFor(name, exposedAndActive, window);
    return window->grab().toImage();
}

void WindowGrabber::grabPopup(QMenu* menu, const QString& name) {
    waitFor(name, exposed, menu);
    save(menu, name);
}

void WindowGrabber::save(QWidget* widget, const QString& name) {
    const QString file = QDir(m_outDir).filePath(m_look + '-' + name + QStringLiteral(".png"));
    if (widget->grab().toImage().save(file, "PNG"))
        ++m_written;
    else
        m_problems << QStringLiteral("cannot write ") + file;
}
