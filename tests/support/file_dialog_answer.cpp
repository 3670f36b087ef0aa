#include "support/file_dialog_answer.h"

#include <QFileDialog>

void chooseInFileDialog(QFileDialog* dialog, const QString& path) {
    // The dialog leaves its name box alone while the box has the keyboard focus, which it
    // may or may not have got by now; the choice would then not take.
    if (QWidget* focused = dialog->focusWidget())
        focused->clearFocus();
    dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept");
}
