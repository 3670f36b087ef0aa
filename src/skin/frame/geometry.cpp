#include "skin/frame/geometry.h"

#include "skin/frame/form_state.h"

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

} // namespace skin::frame
