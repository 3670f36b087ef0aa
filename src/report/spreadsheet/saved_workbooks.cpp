#include "report/spreadsheet/saved_workbooks.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <tuple>
#include <utility>

#include <sys/stat.h>

namespace spreadsheet {
namespace {

// What tells one state of a file from another: a rewrite or a replacement changes at
// least the inode or the change time.
using FileStamp = std::tuple<dev_t, ino_t, off_t, long, long, long, long>;

std::optional<FileStamp> stampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileStamp{status.st_dev,         status.st_ino,          status.st_size,
                     status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_ctim.tv_sec,
                     status.st_ctim.tv_nsec};
}

// Nothing is remembered while `workbook` is null.
struct Saved {
    QString path;
    FileStamp stamp{};
    std::shared_ptr<Workbook> workbook;
};

Saved& saved() {
    static Saved last;
    return last;
}

} // namespace

void rememberSavedWorkbook(const QString& path, std::shared_ptr<Workbook> workbook) {
    saved() = Saved();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const auto stamp = stampOf(absolute);
    if (!stamp)
        return;
    const std::weak_ptr<Workbook> remembered = workbook;
    saved() = Saved{absolute, *stamp, std::move(workbook)};
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            application,
            [remembered] {
                if (saved().workbook && saved().workbook == remembered.lock())
                    saved() = Saved();
            },
            Qt::QueuedConnection);
    }
}

std::shared_ptr<Workbook> takeSavedWorkbook(const QString& path) {
    Saved last = std::exchange(saved(), Saved());
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!last.workbook || last.path != absolute || stampOf(absolute) != last.stamp)
        return nullptr;
    return std::move(last.workbook);
}

} // namespace spreadsheet
