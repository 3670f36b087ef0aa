#include "skin/frame/geometry.h"

#include "skin/frame/form_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace skin::frame {

bool PointInRect(const QPoint& point, const QRect& rect) {
    return point.x() >= rect.x() && point.x() <= rect.x() + rect.width() && point.y() >= rect.y() &&
           point.y() <= rect.y() + rect.height();
}

QRect GetWorkArea() {
    QScreen* screen = nullptr;
    if (const QWidget* main = MainForm())
        screen = main->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void SetFormBounds(QWidget* form, const QRect& rect) {
    form->setGeometry(rect);
}

QPoint centredIn(const QRect& area, QSize size) {
    return area.topLeft() +
           QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

namespace {

// Moves its window to the centre of the window's screen on every show, before the window
// reaches the screen.
class ScreenCentring : public QObject {
public:
    explicit ScreenCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* window = static_cast<QWidget*>(watched);
            if (const QScreen* screen = window->screen())
                window->move(centredIn(screen->geometry(), window->size()));
        }
        return false;
    }
};

} // namespace

void centreOnScreenWhenShown(QWidget* window) {
    new ScreenCentring(window);
}

} // namespace skin::frame
