// The whole report ("Отчет") for 1,000 and 65,000 records: grid, both conversations with
// the spreadsheet server, Report.xls written and rewritten, with the process's peak memory.
// Beside it, when LibreOffice is installed, the time it takes to turn the same records from
// CSV into an .xls workbook, start-up included, and its peak memory.
#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "platform/base_folder.h"
#include "platform/desktop_open.h"
#include "platform/message_box_recorder.h"
#include "support/base_file.h"
#include "support/peak_memory.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

store::ContactRecord recordNumber(int k) {
    const QString s = QString::number(k);
    store::ContactRecord record;
    record.store(store::ContactField::FullName, QStringLiteral("Иванов Иван Иванович ") + s);
    record.store(store::ContactField::Address, QStringLiteral("Москва, ул. Ленина, д. ") + s);
    record.store(store::ContactField::Telephone, QStringLiteral("+7 495 123-") + s);
    record.store(store::ContactField::Workplace, QStringLiteral("Завод № ") + s);
    record.store(store::ContactField::Email,
                 QStringLiteral("user") + s + QStringLiteral("@example.org"));
    return record;
}

void BM_Report(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    platform::BaseFolder::set(folder.path());
    writeBase(folder.filePath("Baza.dat"), count, [](int k) { return recordNumber(k + 1); });
    platform::MessageBoxRecorder boxes;
    boxes.answer = [](const platform::ShownBox&) {
        return false;
    };
    platform::UrlOpenRecorder opened;
    TForm1 form;
    auto* grid = new TForm2(&form);
    grid->setWindowFlag(Qt::Window);
    form.setReportGridWindow(grid);

    for (auto _ : state) {
        form.guarded([&] { form.printClick(); });
        // Back in the event loop, as after a click.
        QCoreApplication::processEvents();
    }

    const QStringList errors = boxes.texts(platform::ShownBox::Error);
    if (!errors.isEmpty())
        state.SkipWithError(errors.first().toStdString().c_str());
    state.counters["records"] = count;
    state.counters["workbook_bytes"] = QFile(folder.filePath("Report.xls")).size();
    reportPeakMemory(state);
}
BENCHMARK(BM_Report)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond)->UseRealTime();

QString libreOffice() {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    return soffice.isEmpty() ? QStandardPaths::findExecutable("libreoffice") : soffice;
}

void BM_LibreOfficeCsvToXls(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    QFile csv(folder.filePath("records.csv"));
    csv.open(QIODevice::WriteOnly);
    csv.write("ФИО,Адрес,Телефон,Место работы,E-mail\n");
    for (int k = 1; k <= count; ++k) {
        const store::ContactRecord r = recordNumber(k);
        QStringList fields;
        for (store::ContactField f : {store::ContactField::FullName, store::ContactField::Address,
                                      store::ContactField::Telephone,
                                      store::ContactField::Workplace, store::ContactField::Email})
            fields << '"' + r.field(f) + '"';
        csv.write(fields.join(',').toUtf8() + '\n');
    }
    csv.close();
    const QString office = libreOffice();
    const QStringList arguments{"-env:UserInstallation=file://" + folder.filePath("profile"),
                                "--headless",
                                "--infilter=CSV:44,34,76",
                                "--convert-to",
                                "xls",
                                "--outdir",
                                folder.path(),
                                csv.fileName()};
    auto run = [&] {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(office, arguments);
        return process.waitForFinished(-1) && process.exitCode() == 0;
    };
    run(); // the first start creates the profile
    for (auto _ : state) {
        if (!run())
            state.SkipWithError("LibreOffice failed to convert");
    }
    state.counters["records"] = count;
    state.counters["workbook_bytes"] = QFile(folder.filePath("records.xls")).size();
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    state.counters["office_peak_MB"] = double(children.ru_maxrss) / 1024.0;
}

// Registered only where LibreOffice is installed; the run's context says when it is not.
const bool kLibreOfficeRegistered = [] {
    if (libreOffice().isEmpty()) {
        benchmark::AddCustomContext("libreoffice", "not installed: its conversion is left out");
        return false;
    }
    benchmark::RegisterBenchmark("BM_LibreOfficeCsvToXls", BM_LibreOfficeCsvToXls)
        ->Arg(1000)
        ->Arg(65000)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    return true;
}();

} // namespace
