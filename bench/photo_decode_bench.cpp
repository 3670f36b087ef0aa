// Showing a 12-megapixel JPEG photo in the record's picture box: read, decode with DCT
// scaling for the box, fit and draw. The full-size decode is measured beside it to show
// what the scaling saves. Target: under 150 ms for the photo in the box. The peak memory
// of each run includes making the 12-megapixel test picture (about 48 MB) and encoding it.
// A crafted file that repeats a scan of the photo hundreds of times shows what the scan and
// work limits of the decoder let through at most, and how soon they stop the rest.
#include "photos/jpeg_loader.h"
#include "photos/photo_box.h"
#include "photos/photo_view.h"
#include "photos/picture_error.h"
#include "support/jpeg_fixture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

const QSize kPhotoSize(4000, 3000);
const QSize kBox(145, 121);

// A camera-like picture: smooth gradients with fine noise, so the encoder has detail to
// keep and the file has a realistic size (several megabytes).
QImage cameraLikePicture() {
    QImage picture(kPhotoSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, kPhotoSize.width(), kPhotoSize.height());
    gradient.setColorAt(0, QColor(30, 80, 160));
    gradient.setColorAt(0.5, QColor(220, 190, 120));
    gradient.setColorAt(1, QColor(40, 120, 60));
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    QRandomGenerator random(12);
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int noise = int(random.bounded(32)) - 16;
            const QRgb p = row[x];
            row[x] = qRgb(qBound(0, qRed(p) + noise, 255), qBound(0, qGreen(p) + noise, 255),
                          qBound(0, qBlue(p) + noise, 255));
        }
    }
    return picture;
}

// The photo file, written once per kind (0 baseline, 1 progressive).
QString photoFile(int progressive) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(progressive));
    if (!QFile::exists(path)) {
        QImageWriter writer(path, "jpg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(progressive != 0);
        if (!writer.write(cameraLikePicture()))
            throw std::runtime_error(writer.errorString().toStdString());
    }
    return path;
}

void BM_ShowTwelveMegapixelPhoto(benchmark::State& state) {
    const QString path = photoFile(int(state.range(0)));
    photos::PhotoBox box;
    box.resize(kBox);
    for (auto _ : state) {
        box.setPixmap(QPixmap::fromImage(photos::fitPhoto(photos::loadJpegFile(path, kBox), kBox)));
        benchmark::DoNotOptimize(box.grab());
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.SetLabel(state.range(0) ? "progressive" : "baseline");
}
BENCHMARK(BM_ShowTwelveMegapixelPhoto)
    ->ArgName("progressive")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

void BM_DecodeTwelveMegapixelFullSize(benchmark::State& state) {
    const QString path = photoFile(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(photos::loadJpegFile(path));
    state.SetLabel(state.range(0) ? "progressive" : "baseline");
}
BENCHMARK(BM_DecodeTwelveMegapixelFullSize)
    ->ArgName("progressive")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// The progressive photo with its first scan (every block of the picture) sent again
// `repeats` times, shown in the box: 100 stays within the limits, 120 goes past the
// blocks the decoder takes in, 2000 past the number of scans.
void BM_ShowPhotoWithRepeatedScans(benchmark::State& state) {
    QFile file(photoFile(1));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read the photo");
    const QByteArray crafted =
        jpeg_fixture::withRepeatedFirstScan(file.readAll(), int(state.range(0)));
    bool refused = false;
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(photos::decodeJpeg(crafted, kBox));
        } catch (const photos::PictureError&) {
            refused = true;
        }
    }
    state.counters["file_MB"] = double(crafted.size()) / (1024.0 * 1024.0);
    state.SetLabel(refused ? "refused" : "shown");
}
BENCHMARK(BM_ShowPhotoWithRepeatedScans)
    ->ArgName("repeats")
    ->Arg(100)
    ->Arg(120)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

} // namespace
