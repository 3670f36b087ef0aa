#include "skin/frame/form_state.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace skin::frame {

namespace {

QPointer<QWidget>& mainFormHolder() {
    static QPointer<QWidget> holder;
    return holder;
}

QMdiArea* mdiClientOf(const QWidget* form) {
    return form ? form->findChild<QMdiArea*>() : nullptr;
}

} // namespace

void setMainForm(QWidget* form) {
    mainFormHolder() = form;
}

QWidget* MainForm() {
    return mainFormHolder();
}

bool IsFormActive(const QWidget* form) {
    const QWidget* main = MainForm();
    if (!main)
        return form && form->isActiveWindow();
    QMdiArea* mdi = mdiClientOf(main);
    if (mdi && form == main)
        return true;
    if (QGuiApplication::applicationState() != Qt::ApplicationActive)
        return false;
    if (!form || form == main)
        return true;
    if (mdi) {
        const QMdiSubWindow* active = mdi->activeSubWindow();
        if (active && (active == form || active->widget() == form))
            return true;
    }
    return form->isActiveWindow();
}

} // namespace skin::frame
