// A contact file opened with the program ("kalmo FILE.vcf"): its contacts are added to the
// base once the user agrees, the likely duplicates of its records left out.
#include "app/main_window.h"
#include "app/notice.h"
#include "interchange/contact_file.h"
#include "interchange/contact_import.h"
#include "platform/message_boxes.h"

#include <algorithm>

void TForm1::importContactFile(const QString& path) {
    if (!m_state.file.isOpen() || m_state.file.isReadOnly())
        throw app::Notice(QStringLiteral("Контакты из файла «%1» не добавлены: изменения базы "
                                         "сохранить нельзя.")
                              .arg(path));
    // A new record being entered is given up first, as Escape gives it up.
    if (m_state.enteringNew)
        cancelNewEntry();
    interchange::ContactList list;
    try {
        list = interchange::readContactFile(path);
    } catch (const interchange::ContactFileError& failure) {
        throw app::Notice(failure.text());
    }
    QList<interchange::ImportRow> rows = interchange::prepareImport(m_state.file, list.contacts);
    const auto duplicates = std::count_if(
        rows.begin(), rows.end(), [](const interchange::ImportRow& row) { return row.duplicate; });
    if (rows.isEmpty())
        throw app::Notice(QStringLiteral("В файле «%1» нет контактов.").arg(path));
    if (!platform::confirm(QStringLiteral("Добавить в базу контакты из файла «%1»?\n"
                                          "Контактов в файле: %2 (кодировка %3); похожих на "
                                          "уже имеющиеся в базе, которые будут пропущены: %4.")
                               .arg(path)
                               .arg(rows.size())
                               .arg(interchange::encodingName(list.encoding))
                               .arg(duplicates)))
        return;
    const interchange::ImportResult result =
        interchange::importRows(m_state.file, imagesFolder(), rows);
    // The base has new records at its end: it is shown afresh from its first record.
    m_state.file.close();
    OpenDataFile();
    QString summary = QStringLiteral("Добавлено: %1. Пропущено как возможные дубликаты: %2. "
                                     "Сохранено не полностью: %3.")
                          .arg(result.added)
                          .arg(result.skipped)
                          .arg(result.cut);
    // What was not kept exactly, for the first few contacts.
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
    platform::showMessage(summary);
}
