// Feeds arbitrary bytes to the data file as Baza.dat: counting, reading every record and
// decoding every field must never crash or read outside the record, and storing the
// decoded texts back must give the same texts.
#include "store/contact_record.h"
#include "store/data_file.h"
#include "store/data_file_error.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = QString("/tmp/kalmo-fuzz-%1.dat").arg(getpid());
    FILE* out = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!out)
        return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    store::DataFile file;
    file.bind(path);
    try {
        file.openExisting();
        const int32_t count = file.count();
        if (count != int32_t(size / store::ContactRecord::kSize))
            std::abort();
        store::ContactRecord record;
        for (int32_t i = 0; i < count; ++i) {
            file.read(record);
            store::ContactRecord copy;
            for (int f = 0; f <= int(store::ContactField::PhotoPath); ++f) {
                const auto field = store::ContactField(f);
                const QString text = record.field(field);
                if (text.size() > store::ContactRecord::capacity(field))
                    std::abort();
                copy.store(field, text);
                if (copy.field(field) != text)
                    std::abort();
            }
        }
        file.read(record); // past the end: must fail cleanly
        std::abort();
    } catch (const store::DataFileError& error) {
        if (file.isOpen() && error.text() != QLatin1String("Read beyond end of file"))
            std::abort();
    }
    return 0;
}
