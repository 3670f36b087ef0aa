#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal windows that code under test opens with exec(): each step runs on the
// next modal window that appears, in order. A modal window with no step left is
// rejected, so a test never hangs; `seen` tells which windows opened.
class ModalScript : public QObject {
    Q_OBJECT

public:
    using Step = std::function<void(QWidget*)>;

    ModalScript();
    ~ModalScript() override;

    ModalScript& then(Step step);

    // Object names and window titles of the modal windows met, in order.
    QStringList seen;
    int stepsLeft() const { return int(m_steps.size()); }

private:
    void poll();

    QList<Step> m_steps;
    QList<QPointer<QWidget>> m_handled;
    QTimer m_timer;
};
