#include "platform/file_chooser.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>

namespace platform {

QString chosenPath(QFileDialog* chooser) {
    const bool accepted = chooser->exec() == QDialog::Accepted;
    // Enter can accept the chooser while the list completing the typed name is open. That
    // list is a window of its own: it would stay over the window beneath, holding the
    // keyboard, until the chooser is next used. Without a prefix, a reading of the folder
    // that ends later does not reopen it.
    for (QCompleter* completion : chooser->findChildren<QCompleter*>()) {
        completion->setCompletionPrefix(QString());
        completion->popup()->hide();
    }
    const QStringList files = chooser->selectedFiles();
    return accepted && !files.isEmpty() ? files.constFirst() : QString();
}

} // namespace platform
