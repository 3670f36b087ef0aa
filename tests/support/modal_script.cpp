#include "modal_script.h"

#include <QApplication>
#include <QDialog>

ModalScript::ModalScript() {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
    m_timer.start();
}

ModalScript::~ModalScript() = default;

ModalScript& ModalScript::then(Step step) {
    m_steps.append(std::move(step));
    return *this;
}

void ModalScript::poll() {
    // A window handled before counts as new once it has closed and opens again.
    m_handled.removeIf([](const QPointer<QWidget>& done) { return !done || !done->isVisible(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    for (const QPointer<QWidget>& done : m_handled) {
        if (done == modal)
            return;
    }
    m_handled.append(modal);
    seen << modal->objectName() + QLatin1Char('|') + modal->windowTitle();
    if (m_steps.isEmpty()) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    const Step step = m_steps.takeFirst();
    step(modal);
}
