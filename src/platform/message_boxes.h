#pragma once

#include <QString>

class QWidget;

// The program's standard boxes. Tests replace the box shown to the user with a scripted
// answer through MessageBoxRecorder (message_box_recorder.h).
namespace platform {

// Plain notice: no icon, captioned with the application title, one "OK" button.
void showMessage(const QString& text);
// Question icon, caption "Confirm", "OK" and "Cancel"; true when the answer is "OK".
bool confirm(const QString& text);
// Information icon, caption "Information", "OK" and "Cancel"; true when the answer is "OK".
bool askInformation(const QString& text);
// Critical icon, captioned with the application title, one "OK" button.
void showError(const QString& text);

} // namespace platform
