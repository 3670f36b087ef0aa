// Record operations on the main window with 1,000 and 65,000 records, measured as the
// user meets them: a click runs the handler in its guard, with the display and the
// flush of the data file to the disk.
#include "app/main_window.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "store/contact_record.h"
#include "store/record_order.h"
#include "support/base_file.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

store::ContactRecord contact(int k) {
    store::ContactRecord record;
    // Names in no particular order, so the search list has real sorting to do.
    record.store(store::ContactField::FullName,
                 QStringLiteral("Фамилия%1 Имя").arg((k * 7919) % 100000));
    record.store(store::ContactField::Address, QStringLiteral("ул. Садовая, д. %1").arg(k));
    record.store(store::ContactField::Telephone, QStringLiteral("8-800-%1").arg(k));
    return record;
}

// A base folder with `count` records and the main window opened on it.
class Base {
public:
    explicit Base(int count) {
        platform::BaseFolder::set(m_dir.path());
        writeBase(m_dir.filePath("Baza.dat"), count, contact);
        window = std::make_unique<TForm1>();
    }

    platform::MessageBoxRecorder boxes; // "Удалить запись?" is answered "OK"
    std::unique_ptr<TForm1> window;

private:
    QTemporaryDir m_dir;
};

void BM_NextPrevious(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    w.ui.next->click();
    bool forward = true;
    for (auto _ : state) {
        (forward ? w.ui.next : w.ui.previous)->click();
        forward = !forward;
    }
}
BENCHMARK(BM_NextPrevious)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

// The second argument 1 measures the click as the user meets it, with the flush of the
// rewritten file to the disk; 0 runs the handler alone, to tell the two costs apart.
void BM_DeleteRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    const bool flush = state.range(1) != 0;
    int k = 0;
    for (auto _ : state) {
        if (flush)
            w.ui.delete_->click();
        else
            w.deleteClick();
        state.PauseTiming();
        store::appendRecord(w.state().file, contact(++k)); // keeps the size of the base
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteRecordOne)
    ->ArgsProduct({{1000, 65000}, {1, 0}})
    ->ArgNames({"records", "flush"})
    ->Unit(benchmark::kMillisecond);

void BM_ChangeRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    const bool flush = state.range(1) != 0;
    int k = 0;
    for (auto _ : state) {
        w.ui.adres->setText(QStringLiteral("новый адрес %1").arg(++k));
        w.ui.suiButton2->setEnabled(true); // as a key in the edit does
        if (flush)
            w.ui.suiButton2->click();
        else
            w.suiButton2Click();
    }
}
BENCHMARK(BM_ChangeRecordOne)
    ->ArgsProduct({{1000, 65000}, {1, 0}})
    ->ArgNames({"records", "flush"})
    ->Unit(benchmark::kMillisecond);

void BM_SearchFillsTheList(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    for (auto _ : state)
        w.ui.search->click();
}
BENCHMARK(BM_SearchFillsTheList)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_NewAndSave(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    int k = 0;
    for (auto _ : state) {
        w.ui.new_->click();
        w.ui.fio->setText(QStringLiteral("Новый контакт %1").arg(++k));
        w.ui.save->click();
        state.PauseTiming();
        store::RemoveRecordAt(w.state().file, w.state().file.count() - 1); // keeps the size
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewAndSave)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

// "Найти" for the last record of the file, the longest scan; "Поиск" fills the list first.
void BM_FindLastRecord(benchmark::State& state) {
    const int count = int(state.range(0));
    Base base(count);
    TForm1& w = *base.window;
    const QString name = contact(count - 1).field(store::ContactField::FullName);
    for (auto _ : state) {
        state.PauseTiming();
        w.ui.search->click();
        w.ui.suiComboBox1->setEditText(name);
        state.ResumeTiming();
        w.ui.ToolButton1->click();
    }
}
BENCHMARK(BM_FindLastRecord)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_Backup(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    for (auto _ : state)
        w.ui.N4->trigger();
}
BENCHMARK(BM_Backup)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_Restore(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    w.ui.N4->trigger();
    for (auto _ : state)
        w.ui.N3->trigger();
}
BENCHMARK(BM_Restore)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

} // namespace
