// Choosing a photo's file name and deciding whether a photo may be deleted read the photo
// path of every record: "+", "Заменить", "-" and "Удалить" of a record with a photo pay
// this once. Measured on bases of 1,000 and 65,000 records, every record with a photo.
#include "photos/photo_names.h"
#include "store/data_file.h"
#include "support/base_file.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kImages = QStringLiteral("/home/user/Фото");

store::ContactRecord contact(int k) {
    store::ContactRecord record;
    const QString name = QStringLiteral("Фамилия%1 Имя").arg(k);
    record.store(store::ContactField::FullName, name);
    record.store(store::ContactField::PhotoPath, kImages + "/" + name + ".jpg");
    return record;
}

class OpenBase {
public:
    explicit OpenBase(int count) {
        writeBase(m_dir.filePath("Baza.dat"), count, contact);
        file.bind(m_dir.filePath("Baza.dat"));
        file.openExisting();
    }
    store::DataFile file;

private:
    QTemporaryDir m_dir;
};

void BM_IsPhotoNamedInBase(benchmark::State& state) {
    OpenBase base(int(state.range(0)));
    const QString photo = kImages + "/Фамилия7 Имя.jpg";
    for (auto _ : state)
        benchmark::DoNotOptimize(photos::isNamedInBase(base.file, photo, 7));
}
BENCHMARK(BM_IsPhotoNamedInBase)->Arg(1000)->Arg(65000)->Unit(benchmark::kMillisecond);

void BM_PhotoNumberForASecondRecordOfAName(benchmark::State& state) {
    OpenBase base(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            photos::photoNumberFor(base.file, kImages, "Фамилия7 Имя", -1, QString()));
}
BENCHMARK(BM_PhotoNumberForASecondRecordOfAName)
    ->Arg(1000)
    ->Arg(65000)
    ->Unit(benchmark::kMillisecond);

} // namespace
