// Exporting a base of 65,000 records without photos: as one vCard 3.0 file and as a CSV
// file for spreadsheets, each written whole and put in place in one rename. Target: under
// a second, under 100 MB of memory.
#include "interchange/contact_export.h"
#include "support/base_file.h"
#include "support/peak_memory.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 65'000;

store::ContactRecord contact(int k) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, QStringLiteral("Фамилия%1 Имя Отчество").arg(k));
    record.store(store::ContactField::Address,
                 QStringLiteral("г. Москва, ул. Садовая, д. %1").arg(k));
    record.store(store::ContactField::Telephone, QStringLiteral("+7 900 %1").arg(1000000 + k));
    record.store(store::ContactField::Workplace, QStringLiteral("ООО Ромашка"));
    record.store(store::ContactField::Email, QStringLiteral("user%1@example.ru").arg(k));
    return record;
}

void BM_ExportSixtyFiveThousandRecords(benchmark::State& state) {
    QTemporaryDir dir;
    writeBase(dir.filePath("Baza.dat"), kRecords, contact);
    store::DataFile base;
    base.bind(dir.filePath("Baza.dat"));
    base.openExisting();
    const bool csv = state.range(0) != 0;
    const QString target = dir.filePath(csv ? "out.csv" : "out.vcf");
    for (auto _ : state)
        benchmark::DoNotOptimize(
            interchange::exportBase(base, target, interchange::formatForFile(target)));
    state.SetLabel(csv ? "CSV" : "vCard 3.0");
    reportPeakMemory(state);
}
BENCHMARK(BM_ExportSixtyFiveThousandRecords)
    ->ArgName("csv")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
