#pragma once

#include <QFileDialog>

class QLabel;

namespace photos {

// The picture chooser: a file-open dialog for JPEG files with a preview of the selected
// picture and its size beside the file list.
class PictureOpenDialog : public QFileDialog {
    Q_OBJECT

public:
    static constexpr int kPreviewSide = 160;

    explicit PictureOpenDialog(QWidget* parent = nullptr);

    // Runs the dialog; the chosen file, or an empty text when the user cancels.
    static QString choose(QWidget* parent);

    QLabel* preview() const { return m_preview; }
    QLabel* previewCaption() const { return m_caption; }

private:
    void showPreview(const QString& path);

    QLabel* m_preview = nullptr;
    QLabel* m_caption = nullptr;
};

} // namespace photos
