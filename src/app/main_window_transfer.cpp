// The "Файл" menu's ways for contacts in and out of the base.
#include "app/export_window.h"
#include "app/import_window.h"
#include "app/main_window.h"
#include "app/notice.h"
#include "platform/message_boxes.h"

namespace {

// What an import did, and what was not kept exactly for the first few contacts.
QString importSummary(const interchange::ImportResult& result,
                      const QList<interchange::ImportRow>& rows) {
    QString summary = QStringLiteral("Добавлено: %1. Пропущено: %2. Сохранено не полностью: %3.")
                          .arg(result.added)
                          .arg(result.skipped)
                          .arg(result.cut);
    constexpr int kNotesShown = 10;
    int noted = 0;
    for (const interchange::ImportRow& row : rows) {
        if (!row.chosen || row.notes.exact())
            continue;
        if (noted++ < kNotesShown)
            summary += QStringLiteral("\n%1: %2")
                           .arg(row.record.field(store::ContactField::FullName), row.notes.text());
    }
    if (noted > kNotesShown)
        summary += QStringLiteral("\n… и ещё %1").arg(noted - kNotesShown);
    return summary;
}

} // namespace

void TForm1::N16Click() {
    importContactFile(QString());
}

void TForm1::importContactFile(const QString& path) {
    if (!m_state.file.isOpen() || m_state.file.isReadOnly())
        throw app::Notice(
            path.isEmpty()
                ? QStringLiteral("Контакты не добавлены: изменения базы сохранить нельзя.")
                : QStringLiteral("Контакты из файла «%1» не добавлены: изменения базы "
                                 "сохранить нельзя.")
                      .arg(path));
    app::ImportWindow window(m_state.file, imagesFolder(), this);
    ui.suiThemeManager1->linkWindow(&window);
    if (!path.isEmpty() && !window.openFile(path))
        return;
    if (window.exec() != QDialog::Accepted)
        return;
    // A new record being entered is given up, as Escape gives it up; the base has new
    // records at its end and is shown afresh from its first record.
    if (m_state.enteringNew)
        cancelNewEntry();
    m_state.file.close();
    OpenDataFile();
    platform::showMessage(importSummary(window.importResult(), window.rows()));
}

void TForm1::N17Click() {
    app::ExportWindow window(m_state.file, this);
    ui.suiThemeManager1->linkWindow(&window);
    window.exec();
}
