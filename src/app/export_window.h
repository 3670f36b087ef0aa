#pragma once

#include "interchange/contact_export.h"

#include <QDialog>

class QFileDialog;
class QLabel;
class TsuiButton;
class TsuiComboBox;
class TsuiEdit;
class TsuiForm;

namespace store {
class DataFile;
}

namespace app {

// "Экспорт контактов…": writes every record of the base to a vCard or CSV file, or a vCard
// file per record into a folder. Modal; says how many contacts it wrote or why it could
// not, and stays open after a failure so the user can pick another place.
class ExportWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 453;
    // Height of the area under the title bar; the window adds its look's title bar.
    static constexpr int kContentHeight = 203;

    // The formats offered, in the order of the format list.
    enum Choice { VCard30, VCard21Utf8, VCard21CodePage1251, VCard40, CsvExcel, CsvUtf8 };

    ExportWindow(store::DataFile& base, QWidget* parent = nullptr);

    // The format the list's current entry stands for.
    interchange::ExportFormat format() const;
    // Whether each contact goes into a file of its own in a folder.
    bool filePerContact() const;

    struct Controls {
        TsuiForm* suiForm1 = nullptr;
        QLabel *formatLabel = nullptr, *targetLabel = nullptr, *pathLabel = nullptr;
        TsuiComboBox *formatBox = nullptr, *targetBox = nullptr;
        TsuiEdit* pathEdit = nullptr;
        TsuiButton *chooseButton = nullptr, *exportButton = nullptr, *cancelButton = nullptr;
        // The chooser of the file or folder, made when first needed.
        QFileDialog* saveDialog = nullptr;
    };
    Controls ui;

private:
    void formatChanged();
    void targetChanged();
    void chooseClick();
    void exportClick();
    // The file name's extension follows the format; a folder keeps its name.
    void matchPathToFormat();
    QFileDialog* saveDialog();

    store::DataFile& m_base;
};

} // namespace app
