#pragma once

#include <QString>

class QFileDialog;

// Chooses path in an open file dialog and accepts it, as a user would.
void chooseInFileDialog(QFileDialog* dialog, const QString& path);
