// Feeds arbitrary bytes to the vCard reader as a contact file, in the detected encoding
// and in each one the user can choose, and turns every contact into a record as the
// import would.
#include "interchange/kept_record.h"
#include "interchange/photo_conversion.h"
#include "interchange/vcard_reader.h"

#include <QByteArray>

#include <cstdint>

using namespace interchange;

namespace {

void keepAll(const ContactList& list) {
    for (const Contact& contact : list.contacts) {
        KeepNotes notes;
        keptRecord(contact, &notes);
        notes.text();
        jpegPhoto(contact.photo);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    keepAll(readVCards(bytes));
    for (const TextEncoding encoding : {TextEncoding::Utf16LE, TextEncoding::Koi8R})
        keepAll(readVCards(bytes, encoding));
    return 0;
}
