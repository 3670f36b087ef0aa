// The photo side of the main window: the images folder it reads from the images-folder
// dialog, the start-up check and "Изменить путь", and the photo operations.
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "photos/photo_file_messages.h"
#include "photos/photo_files.h"
#include "photos/photo_names.h"
#include "photos/picture_open_dialog.h"
#include "platform/message_boxes.h"
#include "store/data_file_error.h"
#include "store/file_copy.h"
#include "store/photo_path_updates.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

void TForm1::setImagesFolderDialog(TForm3* dialog) {
    m_imagesFolderDialog = dialog;
    ui.suiThemeManager1->linkWindow(dialog);
}

QString TForm1::imagesFolder() const {
    return m_imagesFolderDialog ? m_imagesFolderDialog->imagesFolder() : QString();
}

void TForm1::FormShow() {
    if (m_imagesFolderDialog && !imagesFolder().isEmpty()) {
        // Photo copies cut short by a kill leave their temporary files here.
        store::removeStaleTemporariesIn(imagesFolder());
        return;
    }
    if (!m_imagesFolderDialog)
        return;
    ui.suiMessageDialog1->ShowModal(); // only a notice: its answer is not used
    m_imagesFolderDialog->exec();
}

void TForm1::N15Click() {
    if (m_imagesFolderDialog)
        m_imagesFolderDialog->exec();
}

QString TForm1::attachChosenPicture() {
    // The photo is named after the name the record will store: without one it would be
    // a hidden ".jpg" that belongs to no one.
    const QString name = photos::storedFullName(ui.fio->text());
    if (name.isEmpty()) {
        platform::showMessage(QStringLiteral("Сначала введите ФИО: фотография получает имя "
                                             "по нему."));
        ui.fio->setFocus();
        return QString();
    }
    const QString chosen = photos::PictureOpenDialog::choose(this);
    if (chosen.isEmpty())
        return QString();
    const QString folder = imagesFolder();
    // A record on show keeps its own photo file; a new one's is the pending one.
    const bool stored = hasRecordOnShow();
    const int32_t self = stored ? m_state.index : -1;
    const QString current =
        stored ? m_state.buffer.field(store::ContactField::PhotoPath) : ui.Label9->text();
    const int number = photos::photoNumberFor(m_state.file, folder, name, self, current);
    // A picture that did not reach the images folder is neither recorded nor shown as
    // attached: the record would name a file that is not there.
    if (const std::error_code error = photos::copyPhoto(chosen, folder, name, number)) {
        platform::showMessage(photos::copyFailedMessage(folder, name, error));
        return QString();
    }
    const QString photo = photos::photoPath(folder, name, number);
    ui.Label9->setText(photo);
    showPhoto(chosen);
    return photo;
}

void TForm1::suiButton5Click() {
    attachChosenPicture();
}

void TForm1::suiButton3Click() {
    const QString photo = attachChosenPicture();
    // With a single record the record keeps its stored path.
    if (photo.isEmpty() || m_state.file.count() <= 1 || !hasRecordOnShow())
        return;
    changePhotoPath(photo);
}

void TForm1::changePhotoPath(const QString& photo) {
    const QString before = m_state.buffer.field(store::ContactField::PhotoPath);
    const int32_t i = m_state.index;
    m_state.buffer.store(store::ContactField::PhotoPath, photo);
    try {
        suiButton2Click();
    } catch (const store::DataFileError&) {
        // The base is as it was: so is the record on show.
        m_state.buffer.store(store::ContactField::PhotoPath, before);
        keepIndexIfStillOnShow(i);
        throw;
    }
}

void TForm1::suiButton4Click() {
    // Only a stored record on show has a photo to remove.
    if (!hasRecordOnShow())
        return;
    const QString photo = m_state.buffer.field(store::ContactField::PhotoPath);
    ui.Label9->clear();
    changePhotoPath(QString());
    // The file goes once the record without it is on the disk (a failed change throws
    // past this) and no other record names it; the record lets go of its photo even when
    // the file stays.
    deletePhotoFile(photo);
}

void TForm1::deletePhotoFile(const QString& path) {
    // Another record of the same photo keeps it.
    if (photos::isNamedInBase(m_state.file, path))
        return;
    const QString folder = imagesFolder();
    if (const std::error_code error = photos::deleteOwnPhotoFile(path, folder))
        platform::showMessage(photos::deleteFailedMessage(path, folder, error));
}

void TForm1::Image1Click() {
    // Nothing opens for an empty panel or a file that is gone.
    const QFileInfo photo(photoPanelText());
    if (!photoPanelText().isEmpty() && photo.isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(photo.absoluteFilePath()));
}

void TForm1::Button1Click() {
    if (m_state.file.count() == 0)
        return;
    // A new record being entered is given up first, as Escape gives it up, so the
    // updates below neither store it nor lose a stored record.
    if (m_state.enteringNew)
        cancelNewEntry();
    if (!hasRecordOnShow())
        return;
    // Each record keeps its photo's file name in the new folder; a name that cannot name a
    // file there gets no photo path.
    const photos::PhotoPathMover mover(imagesFolder());
    const auto update = [&mover](store::ContactRecord& record) {
        mover.move(record);
    };
    // The record on show, with the texts in the window.
    store::ContactRecord shown =
        recordFromWindow(m_state.buffer.field(store::ContactField::PhotoPath));
    mover.move(shown);
    // Every update in one change of the file, as the updates one by one would leave it.
    const int32_t count = m_state.file.count();
    const int32_t i = m_state.index;
    QString lastPhoto;
    try {
        lastPhoto = store::applyPhotoPathUpdates(m_state.file, i, shown, update);
    } catch (const store::DataFileError&) {
        keepIndexIfStillOnShow(i);
        throw;
    }
    ui.Label9->setText(lastPhoto);
    showFirstAfterChange(count);
}
