// Importing a vCard file of 10,000 cards into an empty base: reading the file from the disk,
// marking the likely duplicates against the base and appending every record in one journaled
// change; with photos, each card's JPEG (about 3 KB) is also stored in the images folder,
// every one flushed to the disk as a photo added with "+" is. Target: under a second
// without photos, under 100 MB of memory.
#include "interchange/contact_file.h"
#include "interchange/contact_import.h"
#include "interchange/vcard_writer.h"
#include "support/peak_memory.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int kCards = 10'000;

QByteArray portrait() {
    QImage image(96, 96, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) % 256));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return jpeg;
}

// Writes a vCard 3.0 file of `kCards` Russian contacts, each with a photo when asked, a
// card at a time, so that making it adds nothing to the peak memory of the import.
void writeCardFile(const QString& path, bool withPhotos) {
    const QByteArray photo = withPhotos ? portrait() : QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the card file");
    for (int k = 0; k < kCards; ++k) {
        interchange::Contact c;
        c.fullName = QStringLiteral("Фамилия%1 Имя Отчество").arg(k);
        c.address = QStringLiteral("г. Москва, ул. Садовая, д. %1").arg(k);
        c.telephone = QStringLiteral("+7 900 %1").arg(1000000 + k);
        c.workplace = QStringLiteral("ООО «Ромашка», отдел %1").arg(k % 50);
        c.email = QStringLiteral("user%1@example.ru").arg(k);
        c.photo = photo;
        file.write(interchange::writeVCard(c, QString::number(k), interchange::VCardVersion::V30));
    }
}

void BM_ImportTenThousandCards(benchmark::State& state) {
    const bool withPhotos = state.range(0) != 0;
    QTemporaryDir cards;
    const QString path = cards.filePath("contacts.vcf");
    writeCardFile(path, withPhotos);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString images = dir.filePath("images");
        QDir().mkpath(images);
        store::DataFile base;
        base.bind(dir.filePath("Baza.dat"));
        base.create();
        state.ResumeTiming();
        // Read as the window and the command line read it: one allocation of the file's size.
        const interchange::ContactList list = interchange::readContactFile(path);
        QList<interchange::ImportRow> rows = interchange::prepareImport(base, list.contacts);
        const interchange::ImportResult result = interchange::importRows(base, images, rows);
        if (result.added != kCards)
            throw std::runtime_error("not every card was added");
        state.PauseTiming();
        base.close();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.SetLabel(withPhotos ? "with photos" : "without photos");
    reportPeakMemory(state);
}
BENCHMARK(BM_ImportTenThousandCards)
    ->ArgName("photos")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
