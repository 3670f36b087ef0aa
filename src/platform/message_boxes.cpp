#include "platform/message_boxes.h"

#include "platform/application_title.h"
#include "platform/message_box_recorder.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

MessageBoxRecorder* g_recorder = nullptr;

bool ask(ShownBox::Kind kind, QMessageBox::Icon icon, const QString& caption, const QString& text,
         bool withCancel) {
    if (g_recorder) {
        const ShownBox box{kind, caption, text};
        g_recorder->boxes.append(box);
        return withCancel ? g_recorder->answer(box) : true;
    }
    QMessageBox box(icon, caption, text,
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

} // namespace

MessageBoxRecorder::MessageBoxRecorder() {
    g_recorder = this;
}
MessageBoxRecorder::~MessageBoxRecorder() {
    g_recorder = nullptr;
}

QStringList MessageBoxRecorder::texts() const {
    QStringList result;
    for (const ShownBox& box : boxes)
        result << box.text;
    return result;
}

QStringList MessageBoxRecorder::texts(ShownBox::Kind kind) const {
    QStringList result;
    for (const ShownBox& box : boxes) {
        if (box.kind == kind)
            result << box.text;
    }
    return result;
}

void showMessage(const QString& text) {
    ask(ShownBox::Message, QMessageBox::NoIcon, applicationTitle(), text, false);
}

bool confirm(const QString& text) {
    return ask(ShownBox::Confirmation, QMessageBox::Question, "Confirm", text, true);
}

bool askInformation(const QString& text) {
    return ask(ShownBox::Information, QMessageBox::Information, "Information", text, true);
}

void showError(const QString& text) {
    ask(ShownBox::Error, QMessageBox::Critical, applicationTitle(), text, false);
}

} // namespace platform
