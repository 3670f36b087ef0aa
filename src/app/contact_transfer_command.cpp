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
const QString kExportEach = QStringLiteral("--export-each");
const QString kVCardVersion = QStringLiteral("--vcard");
const QString kEncoding = QStringLiteral("--encoding");

const QString kUsage =
    QStringLiteral("Использование: kalmo --import ФАЙЛ.vcf|ФАЙЛ.csv\n"
                   "               kalmo --export ФАЙЛ.vcf|ФАЙЛ.csv [--vcard 2.1|3.0|4.0] "
                   "[--encoding UTF-8|windows-1251]\n"
                   "               kalmo --export-each ПАПКА [--vcard 2.1|3.0|4.0] "
                   "[--encoding UTF-8|windows-1251]\n");

bool isCommand(const QString& argument) {
    return argument == kImport || argument == kExport || argument == kExportEach;
}

// The export format the file name and the options after it ask for; an error text when
// they ask for something no writer does.
std::optional<interchange::ExportFormat> exportFormat(const QString& path, bool each,
                                                      const QStringList& options, QString* error) {
    interchange::ExportFormat format;
    if (!each)
        format = interchange::formatForFile(path);
    const bool csv = format.kind == interchange::ExportFormat::Kind::Csv;
    std::optional<bool> utf8;
    if (options.size() % 2 != 0) {
        *error = kUsage;
        return std::nullopt;
    }
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        const QString& value = options[i + 1];
        if (options[i] == kVCardVersion && !csv && value == QLatin1String("2.1")) {
            format.version = interchange::VCardVersion::V21;
        } else if (options[i] == kVCardVersion && !csv && value == QLatin1String("3.0")) {
            format.version = interchange::VCardVersion::V30;
        } else if (options[i] == kVCardVersion && !csv && value == QLatin1String("4.0")) {
            format.version = interchange::VCardVersion::V40;
        } else if (options[i] == kEncoding &&
                   value.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0) {
            utf8 = true;
        } else if (options[i] == kEncoding &&
                   value.compare(QLatin1String("windows-1251"), Qt::CaseInsensitive) == 0) {
            utf8 = false;
        } else {
            *error = kUsage;
            return std::nullopt;
        }
    }
    if (csv) {
        format.dialect = utf8.value_or(false) ? interchange::CsvDialect::Utf8
                                              : interchange::CsvDialect::CodePage1251;
    } else if (format.version == interchange::VCardVersion::V21) {
        format.charset = utf8.value_or(true) ? interchange::Charset21::Utf8
                                             : interchange::Charset21::CodePage1251;
    } else if (utf8 == false) {
        *error = QStringLiteral("vCard 3.0 и 4.0 пишутся только в UTF-8; windows-1251 "
                                "возможна для vCard 2.1 (--vcard 2.1).\n");
        return std::nullopt;
    }
    return format;
}

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

int exportFile(const QString& path, bool each, const QStringList& options, QTextStream& out,
               QTextStream& err) {
    QString error;
    const std::optional<interchange::ExportFormat> format =
        exportFormat(path, each, options, &error);
    if (!format) {
        err << error;
        return 2;
    }
    store::DataFile base;
    try {
        openBase(base, false);
        if (each) {
            const int written = interchange::exportBaseToFolder(base, path, *format);
            out << QStringLiteral("Записано контактов: %1, каждый в свой файл в папке «%2».\n")
                       .arg(written)
                       .arg(path);
        } else {
            const int written = interchange::exportBase(base, path, *format);
            out << QStringLiteral("Записано контактов: %1, в файл «%2».\n").arg(written).arg(path);
        }
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
    if (arguments.isEmpty() || !isCommand(arguments[0]))
        return std::nullopt;
    if (arguments.size() < 2 || (arguments[0] == kImport && arguments.size() != 2)) {
        err << kUsage;
        return 2;
    }
    if (arguments[0] == kImport)
        return importFile(arguments[1], out, err);
    return exportFile(arguments[1], arguments[0] == kExportEach, arguments.mid(2), out, err);
}

std::optional<QString> contactFileArgument(const QStringList& arguments) {
    if (arguments.size() == 1 && interchange::isContactFileName(arguments[0]))
        return arguments[0];
    return std::nullopt;
}

std::optional<int> runTransferCommand(int argc, char** argv) {
    if (argc < 2 || !isCommand(QString::fromLocal8Bit(argv[1])))
        return std::nullopt;
    // Pictures are converted without a display: no window is shown.
    QCoreApplication application(argc, argv);
    platform::BaseFolder::captureWorkingFolder();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runTransferCommand(QCoreApplication::arguments().mid(1), out, err);
}

} // namespace app
