#include "support/report_fixture.h"

#include "app/main_window.h"
#include "app/report_grid_window.h"
#include "platform/base_folder.h"
#include "store/data_file.h"

void writeDataFile(const QString& path, const std::vector<QStringList>& records) {
    store::DataFile file;
    file.bind(path);
    file.create();
    for (const QStringList& texts : records) {
        store::ContactRecord record;
        for (int f = 0; f < texts.size(); ++f)
            record.store(static_cast<store::ContactField>(f), texts[f]);
        file.write(record);
    }
    file.close();
}

std::vector<QStringList> numberedRecords(int n) {
    std::vector<QStringList> records;
    for (int k = 1; k <= n; ++k) {
        const QString s = QString::number(k);
        records.push_back(
            {"Name " + s, "Address " + s, "Tel " + s, "Work " + s, "mail" + s + "@example.org"});
    }
    return records;
}

ReportFixture::ReportFixture(const std::vector<QStringList>& records) {
    platform::BaseFolder::set(folder.path());
    writeDataFile(path(QStringLiteral("Baza.dat")), records);
    form1 = std::make_unique<TForm1>();
    form2 = new TForm2(form1.get());
    form2->setWindowFlag(Qt::Window);
    form1->setReportGridWindow(form2);
}

ReportFixture::~ReportFixture() = default;
