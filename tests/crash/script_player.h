#pragma once

#include "crash_script.h"

class TForm1;
namespace platform {
class MessageBoxRecorder;
}

namespace crash_script {

// Runs one operation through the main window's handlers, as a user would: find the
// record by name ("Поиск", "Найти"), type the new texts, press the button, answer "OK".
// Returns the texts of the error boxes it caused, empty when it went through.
QString play(TForm1& window, platform::MessageBoxRecorder& boxes, const Op& op);

} // namespace crash_script
