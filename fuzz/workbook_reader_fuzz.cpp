// Feeds arbitrary bytes to the workbook reader, as Open would read them from a file: once
// as a whole file (compound file and workbook stream) and once as a bare workbook stream,
// so the record parser is reached without a valid container. Refusing is fine; crashing,
// reading out of bounds or leaking is not. Seeds (a report and a bare stream) are in
// fuzz/corpus/workbook_reader_fuzz; copy them to a scratch folder the fuzzer may fill:
//   ASAN_OPTIONS=fast_unwind_on_malloc=0 \
//   LSAN_OPTIONS=suppressions=fuzz/workbook_reader_fuzz.lsan.supp \
//   build-fuzz/fuzz/workbook_reader_fuzz -runs=1000000 -max_len=8192 <scratch folder>
// The suppressions cover a leak inside libgsf itself on some damaged files; the full
// unwinding lets them see the library's frames.
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/biff_reader.h"
#include "report/spreadsheet/workbook_file.h"

#include <glib.h>

#include <cstddef>
#include <cstdint>

namespace {

void quiet(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool silenced = [] {
        // The container library logs its complaints about damaged files; they are expected.
        g_log_set_default_handler(quiet, nullptr);
        return true;
    }();
    (void)silenced;
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        spreadsheet::readWorkbook(bytes);
    } catch (const spreadsheet::WorkbookFormatError&) {
    }
    try {
        spreadsheet::parseWorkbookStream(bytes);
    } catch (const spreadsheet::WorkbookFormatError&) {
    }
    return 0;
}
