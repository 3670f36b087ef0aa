#pragma once

#include "interchange/contact_import.h"
#include "interchange/csv_mapping.h"
#include "interchange/csv_reader.h"

#include <QDialog>
#include <QMap>

class QFileDialog;
class QLabel;
class QProgressBar;
class QTableWidget;
class QTableWidgetItem;
class TsuiButton;
class TsuiComboBox;
class TsuiEdit;
class TsuiForm;

namespace store {
class DataFile;
}

namespace app {

// "Импорт контактов…": a vCard or CSV file, the records its contacts would give as the
// base would keep them, the encoding its texts are read in (the user may change it), the
// CSV columns' fields, what each record cannot keep, and the likely duplicates left
// unticked. "Импортировать" adds the ticked rows in one change of the base and accepts
// the window; a failure is shown and leaves the base and the window as they were.
class ImportWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kWidth = 633;
    // Height of the area under the title bar; the window adds its look's title bar.
    static constexpr int kContentHeight = 439;
    // Files with at least this many contacts show the import's progress.
    static constexpr int kProgressRows = 2000;

    // The preview's columns.
    enum Column { Tick, FullName, Address, Telephone, Workplace, Email, Note, ColumnCount };

    ImportWindow(store::DataFile& base, const QString& imagesFolder, QWidget* parent = nullptr);

    // Reads the file and shows what it gives; false (and the error shown) when it cannot
    // be read, which leaves the window as it was.
    bool openFile(const QString& path);

    const QList<interchange::ImportRow>& rows() const { return m_rows; }
    const interchange::ImportResult& importResult() const { return m_result; }

    struct Controls {
        TsuiForm* suiForm1 = nullptr;
        QLabel *fileLabel = nullptr, *encodingLabel = nullptr, *summaryLabel = nullptr,
               *mappingLabel = nullptr;
        TsuiEdit* pathEdit = nullptr;
        TsuiButton *chooseButton = nullptr, *importButton = nullptr, *cancelButton = nullptr;
        TsuiComboBox* encodingBox = nullptr;
        // A CSV file's columns, under their headers, each with the field it fills.
        QTableWidget* mappingTable = nullptr;
        QTableWidget* previewTable = nullptr;
        QProgressBar* progressBar = nullptr;
        // The file chooser, made when first needed.
        QFileDialog* openDialog = nullptr;
    };
    Controls ui;

private:
    void chooseClick();
    void importClick();
    void encodingChanged();
    void columnRoleChanged(int column, int roleIndex);
    void previewItemChanged(QTableWidgetItem* item);
    // Reads the bytes again in the chosen encoding, CSV columns mapped by their headers.
    void reread();
    // The rows of the contacts, duplicates marked, and the preview made from them.
    void showContacts(const QList<interchange::Contact>& contacts);
    void fillMapping();
    void fillPreview();
    void updateSummary();
    // Where the preview sits: under the column mapping for CSV, higher without.
    void placePreview();
    QFileDialog* openDialog();

    store::DataFile& m_base;
    QString m_imagesFolder;
    QByteArray m_bytes;
    bool m_csv = false;
    interchange::CsvTable m_table;
    interchange::CsvMapping m_mapping;
    // The fields the user chose for columns of this file, by column.
    QMap<int, interchange::ColumnRole> m_chosenRoles;
    QList<interchange::ImportRow> m_rows;
    interchange::ImportResult m_result;
    // Set while the preview is filled, so its ticks are not taken for the user's.
    bool m_filling = false;
};

} // namespace app
