// Start-up and ShowRecord with a large base: the window opens the base, shows record 1
// and measures the base size on a fresh copy of the file.
#include "app/main_window.h"
#include "platform/base_folder.h"
#include "support/base_file.h"
#include "support/peak_memory.h"

#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Records with names and addresses filled in.
store::ContactRecord contact(int k) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, QStringLiteral("Контакт %1").arg(k));
    record.store(store::ContactField::Address, QStringLiteral("ул. Садовая, д. %1").arg(k % 100));
    return record;
}

void BM_StartUp(benchmark::State& state) {
    QTemporaryDir dir;
    platform::BaseFolder::set(dir.path());
    writeBase(dir.filePath("Baza.dat"), int(state.range(0)), contact);
    for (auto _ : state) {
        TForm1 form;
        form.show();
        form.grab(); // up to the first painted window
        benchmark::DoNotOptimize(form.ui.Label10->text());
    }
    state.counters["records"] = double(state.range(0));
    reportPeakMemory(state);
}
BENCHMARK(BM_StartUp)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_ShowRecord(benchmark::State& state) {
    QTemporaryDir dir;
    platform::BaseFolder::set(dir.path());
    writeBase(dir.filePath("Baza.dat"), int(state.range(0)), contact);
    TForm1 form;
    RecordState& records = form.state();
    int32_t index = 0;
    for (auto _ : state) {
        index = (index + 1) % records.file.count();
        records.index = index;
        records.file.seek(index);
        records.file.read(records.buffer);
        form.ShowRecord();
    }
    state.counters["records"] = double(state.range(0));
    reportPeakMemory(state);
}
BENCHMARK(BM_ShowRecord)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

} // namespace
