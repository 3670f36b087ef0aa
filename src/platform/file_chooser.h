#pragma once

#include <QString>

class QFileDialog;

namespace platform {

// Runs a file chooser that its window keeps for the next time, and returns the path the
// user chose, or an empty text when the user cancelled.
QString chosenPath(QFileDialog* chooser);

} // namespace platform
