#include "app/contact_transfer_command.h"

#include "interchange/contact_export.h"
#include "interchange/contact_file.h"
#include "interchange/contact_import.h"
#include "photos/images_folder_setting.h"
#include "platform/base_folder.h"
#include "store/backup_files.h"
#include "store/data_file_error.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace app {

namespace {

const QString kImport = QStringLiteral("--import");
const QString kExport = QStringLiteral("--export");

// The base in the base folder, opened; created empty for an import when there is none.
void openBase(store::DataFile& base, bool create) {
    base.bind(store::dataFilePath(platform::BaseFolder::path()));
    if (QFile::exists(base.path()))
        base.openExisting();
    else if (create)
        base.create();
    else
        throw store::DataFileError(
            QStringLiteral("в папке «%1» нет базы (Baza.dat)").arg(platform::BaseFolder::path()));
}

int importFile(const QString& path, QTextStream& out, QTextStream& err) {
    interchange::ContactList list;
    try {
        list = interchange::readContactFile(path);
    } catch (const interchange::ContactFileError& failure) {
        err << failure.text() << QLatin1Char('\n');
        return 1;
    }
    QString images;
    try {
        images = photos::loadImagesFolder();
    } catch (const photos::SettingError& failure) {
        err << QStringLiteral("Папка изображений не прочитана (%1): контакты добавляются без "
                              "фотографий.\n")
                   .arg(QString::fromStdString(failure.what()));
    }
    store::DataFile base;
    try {
        openBase(base, true);
        if (base.isReadOnly())
            throw store::DataFileError(QStringLiteral("база открыта только для чтения"));
        QList<interchange::ImportRow> rows = interchange::prepareImport(base, list.contacts);
        const interchange::ImportResult result = interchange::importRows(base, images, rows);
        out << QStringLiteral("Файл «%1»: контактов %2, кодировка %3.\n")
                   .arg(path)
                   .arg(list.contacts.size())
                   .arg(interchange::encodingName(list.encoding));
        const bool photos = std::any_of(rows.begin(), rows.end(), [](const auto& row) {
            return row.chosen && !row.contact.photo.isEmpty();
        });
        if (photos && images.isEmpty())
            out << QStringLiteral("Папка изображений не задана: фотографии не сохранены.\n");
        for (const interchange::ImportRow& row : rows) {
            if (row.chosen && !row.notes.exact())
                out << QStringLiteral("  %1: %2\n")
                           .arg(row.record.field(store::ContactField::FullName), row.notes.text());
        }
        out << QStringLiteral("Добавлено: %1. Пропущено как возможные дубликаты: %2. "
                              "Сохранено не полностью: %3.\n")
                   .arg(result.added)
                   .arg(result.skipped)
                   .arg(result.cut);
    } catch (const store::DataFileError& failure) {
        err << QStringLiteral("Контакты не добавлены, база не изменилась: %1\n")
                   .arg(failure.text());
        return 1;
    }
    return 0;
}

int exportFile(const QString& path, QTextStream& out, QTextStream& err) {
    store::DataFile base;
    try {
        openBase(base, false);
        const int written = interchange::exportBase(base, path, interchange::formatForFile(path));
        out << QStringLiteral("Записано контактов: %1, в файл «%2».\n").arg(written).arg(path);
    } catch (const store::DataFileError& failure) {
        err << QStringLiteral("Контакты не выгружены: %1\n").arg(failure.text());
        return 1;
    } catch (const interchange::ExportError& failure) {
        err << failure.text() << QLatin1Char('\n');
        return 1;
    }
    return 0;
}

} // namespace

std::optional<int> runTransferCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err) {
    if (arguments.isEmpty() || (arguments[0] != kImport && arguments[0] != kExport))
        return std::nullopt;
    if (arguments.size() != 2) {
        err << QStringLiteral("Использование: kalmo --import ФАЙЛ.vcf|ФАЙЛ.csv\n"
                              "               kalmo --export ФАЙЛ.vcf|ФАЙЛ.csv\n");
        return 2;
    }
    return arguments[0] == kImport ? importFile(arguments[1], out, err)
                                   : exportFile(arguments[1], out, err);
}

std::optional<QString> contactFileArgument(const QStringList& arguments) {
    if (arguments.size() == 1 && interchange::isContactFileName(arguments[0]))
        return arguments[0];
    return std::nullopt;
}

std::optional<int> runTransferCommand(int argc, char** argv) {
    if (argc < 2 || (argv[1] != kImport && argv[1] != kExport))
        return std::nullopt;
    // Pictures are converted without a display: no window is shown.
    QCoreApplication application(argc, argv);
    platform::BaseFolder::captureWorkingFolder();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runTransferCommand(QCoreApplication::arguments().mid(1), out, err);
}

} // namespace app
