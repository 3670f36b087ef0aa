// Record operations on the main window with 1,000 and 65,000 records, measured as the
// user meets them: a click runs the handler in its guard, with the display, and every
// change of the base is on the disk when it returns (the rollback journal written and
// flushed, the file written and flushed, the journal removed and its folder flushed).
#include "app/main_window.h"
#include "photos/images_folder_dialog.h"
#include "platform/base_folder.h"
#include "platform/message_box_recorder.h"
#include "store/contact_record.h"
#include "store/record_order.h"
#include "support/base_file.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>
#include <span>

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

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

// A base folder with `count` records and the main window opened on it, with an images
// folder.
class Base {
public:
    explicit Base(int count) {
        platform::BaseFolder::set(m_dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        writeBase(m_dir.filePath("Baza.dat"), count, contact);
        QDir(m_dir.path()).mkpath("images");
        window = std::make_unique<TForm1>();
        m_imagesFolder.ui.Edit1->setText(m_dir.filePath("images"));
        window->setImagesFolderDialog(&m_imagesFolder);
    }
    const QTemporaryDir& folder() const { return m_dir; }

    platform::MessageBoxRecorder boxes; // every question is answered "OK"
    std::unique_ptr<TForm1> window;

private:
    QTemporaryDir m_dir;
    TForm3 m_imagesFolder;
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

// Deleting record 1 moves every other record: the longest change of the file.
void BM_DeleteRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    int k = 0;
    for (auto _ : state) {
        w.ui.delete_->click();
        state.PauseTiming();
        store::appendRecord(w.state().file, contact(++k)); // keeps the size of the base
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteRecordOne)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_ChangeRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    int k = 0;
    for (auto _ : state) {
        w.ui.adres->setText(QStringLiteral("новый адрес %1").arg(++k));
        w.ui.suiButton2->setEnabled(true); // as a key in the edit does
        w.ui.suiButton2->click();
    }
}
BENCHMARK(BM_ChangeRecordOne)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

// "-" on record 1: the change of the record, then its photo file goes.
void BM_PhotoRemoveRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    const QString photo = base.folder().filePath("images/photo.jpg");
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(photo, "a picture");
        w.state().buffer.store(store::ContactField::PhotoPath, photo);
        state.ResumeTiming();
        w.ui.suiButton4->click();
    }
}
BENCHMARK(BM_PhotoRemoveRecordOne)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

// "Заменить" on record 1: the picture is copied into the images folder, then the record
// changes. The picture chooser is answered as soon as it opens; the time runs from the
// user's choice, as building the chooser is the toolkit's.
void BM_PhotoReplaceRecordOne(benchmark::State& state) {
    Base base(int(state.range(0)));
    TForm1& w = *base.window;
    const QString picture = base.folder().filePath("picture.jpg");
    QImage image(290, 121, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(picture, "JPG");
    QTimer answer;
    bool timing = true;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            chooser->selectFile(picture);
            if (!timing) {
                state.ResumeTiming();
                timing = true;
            }
            QMetaObject::invokeMethod(chooser, "accept", Qt::QueuedConnection);
        }
    });
    answer.start(0);
    for (auto _ : state) {
        state.PauseTiming();
        timing = false;
        w.ui.suiButton3->click();
    }
}
BENCHMARK(BM_PhotoReplaceRecordOne)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

// "Очистить базу": the whole file goes into the journal before it is cut.
void BM_Clear(benchmark::State& state) {
    const int count = int(state.range(0));
    Base base(count);
    TForm1& w = *base.window;
    QFile original(base.folder().filePath("Baza.dat"));
    original.open(QIODevice::ReadOnly);
    const QByteArray records = original.readAll();
    for (auto _ : state) {
        w.ui.N5->trigger();
        state.PauseTiming();
        w.state().file.replaceFrom(
            0, {std::span(reinterpret_cast<const unsigned char*>(records.constData()),
                          size_t(records.size()))});
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Clear)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond)->Iterations(5);

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
