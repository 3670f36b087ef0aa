#include "report/spreadsheet/compound_file.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/biff_bytes.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>

#include <memory>

namespace spreadsheet {
namespace {

struct ObjectUnref {
    void operator()(void* object) const { g_object_unref(object); }
};
template <typename T> using GsfPtr = std::unique_ptr<T, ObjectUnref>;

AutomationError saveFailed(const QString& path, GError* error) {
    const QString reason = error ? QString::fromUtf8(error->message) : QString();
    if (error)
        g_error_free(error);
    return AutomationError(QStringLiteral("Cannot save the workbook '%1'%2")
                               .arg(path, reason.isEmpty() ? "." : ": " + reason + "."));
}

} // namespace

void saveWorkbookContainer(const QString& path, const QByteArray& workbookStream) {
    // A stream under 4,096 bytes would be kept in the container's mini stream, where some
    // readers of workbooks do not look for it; zeros after the last record are ignored.
    constexpr qsizetype kMinimumStream = 4096;
    QByteArray padded = workbookStream;
    if (padded.size() < kMinimumStream)
        padded.append(kMinimumStream - padded.size(), '\0');
    GError* error = nullptr;
    GsfPtr<GsfOutput> file(gsf_output_stdio_new(path.toLocal8Bit().constData(), &error));
    if (!file)
        throw saveFailed(path, error);
    GsfPtr<GsfOutfile> container(gsf_outfile_msole_new(file.get()));
    GsfPtr<GsfOutput> stream(gsf_outfile_new_child(container.get(), "Workbook", FALSE));
    const bool written = stream &&
                         gsf_output_write(stream.get(), padded.size(),
                                          reinterpret_cast<const guint8*>(padded.constData())) &&
                         gsf_output_close(stream.get());
    // Closing the container closes the file, which renames its temporary copy over the
    // target only when every write went well.
    const bool closed = gsf_output_close(GSF_OUTPUT(container.get()));
    if (!written || !closed) {
        const GError* failure = gsf_output_error(file.get());
        throw saveFailed(path, failure ? g_error_copy(failure) : nullptr);
    }
}

QByteArray workbookStreamOf(const QByteArray& fileBytes) {
    GsfPtr<GsfInput> input(gsf_input_memory_new(
        reinterpret_cast<const guint8*>(fileBytes.constData()), fileBytes.size(), FALSE));
    GError* error = nullptr;
    GsfPtr<GsfInfile> container(gsf_infile_msole_new(input.get(), &error));
    if (error)
        g_error_free(error);
    if (!container)
        throw WorkbookFormatError("not a compound file");
    GsfPtr<GsfInput> stream(gsf_infile_child_by_name(container.get(), "Workbook"));
    if (!stream)
        throw WorkbookFormatError("no workbook stream");
    const gsf_off_t size = gsf_input_size(stream.get());
    // Nothing is compressed in a compound file: a stream larger than the file is a lie.
    if (size < 0 || size > fileBytes.size())
        throw WorkbookFormatError("workbook stream larger than the file");
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), size, reinterpret_cast<guint8*>(bytes.data())))
        throw WorkbookFormatError("unreadable workbook stream");
    return bytes;
}

} // namespace spreadsheet
