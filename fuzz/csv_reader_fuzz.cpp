// Feeds arbitrary bytes to the CSV reader as a contact file, maps its columns by their
// headers and turns every row into a record as the import would.
#include "interchange/csv_mapping.h"
#include "interchange/csv_reader.h"
#include "interchange/kept_record.h"

#include <QByteArray>

#include <cstdint>

using namespace interchange;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvTable table = readCsv(bytes);
    const ContactList list = csvContacts(table, CsvMapping::fromHeaders(table.headers));
    for (const Contact& contact : list.contacts) {
        KeepNotes notes;
        keptRecord(contact, &notes);
    }
    return 0;
}
