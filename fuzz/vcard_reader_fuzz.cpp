// Feeds arbitrary bytes to the vCard reader as a contact file, in the detected encoding or
// in one the user can choose (picked by the first byte), and turns every contact into a
// record and its photo into a JPEG as the import would.
#include "interchange/kept_record.h"
#include "interchange/photo_conversion.h"
#include "interchange/vcard_reader.h"

#include <QByteArray>

#include <cstdint>
#include <iterator>

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
    constexpr TextEncoding kChoices[] = {TextEncoding::Utf8, TextEncoding::Utf16LE,
                                         TextEncoding::Utf16BE, TextEncoding::CodePage1251,
                                         TextEncoding::Koi8R};
    const size_t choice = size > 0 ? data[0] % (std::size(kChoices) + 1) : 0;
    keepAll(choice == 0 ? readVCards(bytes) : readVCards(bytes, kChoices[choice - 1]));
    return 0;
}
