// The photo path refresh that "Применить" of the images-folder dialog runs: every record
// of the base is re-pointed to the images folder. Measured on bases of growing size.
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "support/base_file.h"
#include "support/peak_memory.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

store::ContactRecord contact(int k) {
    store::ContactRecord record;
    record.store(store::ContactField::FullName, QStringLiteral("Контакт %1").arg(k));
    record.store(store::ContactField::PhotoPath, QStringLiteral("/old/%1.jpg").arg(k));
    return record;
}

void BM_PhotoPathRefresh(benchmark::State& state) {
    QTemporaryDir dir;
    platform::BaseFolder::set(dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    writeBase(dir.filePath("Baza.dat"), int(state.range(0)), contact);
    TForm1 form;
    TForm3 dialog;
    form.setImagesFolderDialog(&dialog);
    dialog.ui.Edit1->setText(dir.filePath("images"));
    for (auto _ : state)
        form.ui.Button1->click();
    state.counters["records"] = double(state.range(0));
    reportPeakMemory(state);
}
BENCHMARK(BM_PhotoPathRefresh)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

} // namespace
