// The main window's photo operations and its link to the images-folder dialog.
#include "app/images_folder_warning.h"
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"

#include <QAction>

void TForm1::wirePhotoHandlers() {
    connect(N15, &QAction::triggered, this, [this] { guarded([this] { N15Click(); }); });
}

void TForm1::setImagesFolderDialog(TForm3* dialog) {
    m_imagesFolderDialog = dialog;
}

QString TForm1::imagesFolder() const {
    return m_imagesFolderDialog ? m_imagesFolderDialog->imagesFolder() : QString();
}

void TForm1::FormShow() {
    if (!m_imagesFolderDialog || !imagesFolder().isEmpty())
        return;
    showImagesFolderWarning();
    m_imagesFolderDialog->exec();
}

void TForm1::N15Click() {
    if (m_imagesFolderDialog)
        m_imagesFolderDialog->exec();
}
