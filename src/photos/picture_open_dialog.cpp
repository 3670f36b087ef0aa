#include "photos/picture_open_dialog.h"

#include "photos/photo_view.h"
#include "photos/picture_error.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace photos {

PictureOpenDialog::PictureOpenDialog(QWidget* parent) : QFileDialog(parent) {
    setObjectName("OpenPictureDialog1");
    setNameFilter(QStringLiteral("JPEG Image File (*.jpg)"));
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    // The preview sits inside the dialog's own layout, which only Qt's dialog offers.
    setOption(QFileDialog::DontUseNativeDialog);

    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    m_preview = new QLabel(panel);
    m_preview->setObjectName("preview");
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_caption = new QLabel(panel);
    m_caption->setObjectName("previewCaption");
    m_caption->setAlignment(Qt::AlignCenter);
    column->addWidget(m_preview);
    column->addWidget(m_caption);
    column->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(panel, 0, grid->columnCount(), grid->rowCount(), 1);

    connect(this, &QFileDialog::currentChanged, this, &PictureOpenDialog::showPreview);
    showPreview(QString());
}

QString PictureOpenDialog::choose(QWidget* parent) {
    PictureOpenDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void PictureOpenDialog::showPreview(const QString& path) {
    m_preview->clear();
    m_caption->setText(QStringLiteral("Нет изображения"));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // A file that cannot be decoded simply has no preview; the choice stays possible.
    try {
        const Picture picture = loadJpegFile(path, m_preview->size());
        m_preview->setPixmap(QPixmap::fromImage(fitPhoto(picture, m_preview->size())));
        m_caption->setText(
            QStringLiteral("%1 x %2").arg(picture.fullSize.width()).arg(picture.fullSize.height()));
    } catch (const PictureError&) {
    }
}

} // namespace photos
