// How long the skin takes to draw a button face and to read its pieces and theme files.
#include "skin/paint/skinned_rect.h"
#include "skin/themes/style_tables.h"
#include "skin/themes/theme_elements.h"
#include "skin/themes/theme_file_reader.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

using namespace skin::paint;
using namespace skin::themes;

namespace {

QImage winXPButtonFace() {
    QImage face;
    GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::ButtonImage, &face, 1, 3);
    return face;
}

void BM_DrawSkinnedRect(benchmark::State& state) {
    const QImage face = winXPButtonFace();
    const QSize size(int(state.range(0)), int(state.range(1)));
    QImage canvas(size, QImage::Format_RGB32);
    const bool keyed = state.range(2) != 0;
    for (auto _ : state) {
        QPainter painter(&canvas);
        DrawSkinnedRect(face, painter, QRect(QPoint(0, 0), size), keyed);
    }
}
BENCHMARK(BM_DrawSkinnedRect)->Args({80, 27, 0})->Args({80, 27, 1})->Args({400, 120, 1});

void BM_GetStyleBitmapFrame(benchmark::State& state) {
    for (auto _ : state) {
        QImage frame;
        GetStyleBitmap(TsuiUIStyle::WinXP, ThemeElement::TitleBarButtonImage, &frame, 17, 18);
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_GetStyleBitmapFrame);

// A theme file of n integer entries in one chain, read completely each time.
void BM_ReadThemeFile(benchmark::State& state) {
    const int entries = int(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.theme"));
    QByteArray bytes(41 + (entries + 1) * 77 + 4, '\0');
    qToLittleEndian<quint32>(41, bytes.data() + 12);
    qToLittleEndian<quint32>(41, bytes.data() + 20);
    const quint32 data = quint32(bytes.size() - 4);
    for (int i = 0; i < entries; ++i) {
        char* r = bytes.data() + 41 + i * 77;
        const QByteArray key = "Key" + QByteArray::number(i);
        std::copy(key.begin(), key.end(), r);
        r[64] = 1;
        qToLittleEndian<quint32>(data, r + 65);
        qToLittleEndian<quint32>(4, r + 69);
        qToLittleEndian<quint32>(quint32(41 + (i + 1) * 77), r + 73);
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    for (auto _ : state) {
        TsuiThemeFileReader reader(path);
        benchmark::DoNotOptimize(reader.FindInteger(QStringLiteral("Key0")));
    }
    state.SetItemsProcessed(state.iterations() * entries);
}
BENCHMARK(BM_ReadThemeFile)->Arg(42)->Arg(4096);

} // namespace
