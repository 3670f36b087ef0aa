#include "report/spreadsheet/compound_file.h"

#include "report/automation/automation_error.h"
#include "report/spreadsheet/biff_bytes.h"
#include "report/spreadsheet/property_sets.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>

#include <QFile>

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

void saveWorkbookContainer(const QString& path,
                           const std::function<void(const StreamSink&)>& produce,
                           const std::vector<NamedStream>& otherStreams) {
    GError* error = nullptr;
    GsfPtr<GsfOutput> file(gsf_output_stdio_new(QFile::encodeName(path).constData(), &error));
    if (!file)
        throw saveFailed(path, error);
    GsfPtr<GsfOutfile> container(gsf_outfile_msole_new(file.get()));
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(container.get()), kWorkbookClassId.data());
    GsfPtr<GsfOutput> stream(gsf_outfile_new_child(container.get(), "Workbook", FALSE));
    bool written = stream != nullptr;
    qsizetype size = 0;
    auto write = [&](QByteArrayView piece) {
        written = written && (piece.isEmpty() ||
                              gsf_output_write(stream.get(), piece.size(),
                                               reinterpret_cast<const guint8*>(piece.data())));
        size += piece.size();
    };
    if (written)
        produce(write);
    // A stream under 4,096 bytes would be kept in the container's mini stream, where some
    // readers of workbooks do not look for it; zeros after the last record are ignored.
    constexpr qsizetype kMinimumStream = 4096;
    if (written && size < kMinimumStream)
        write(QByteArray(kMinimumStream - size, '\0'));
    written = written && gsf_output_close(stream.get());
    for (const auto& [name, bytes] : otherStreams) {
        GsfPtr<GsfOutput> other(gsf_outfile_new_child(container.get(), name, FALSE));
        written = written && other &&
                  gsf_output_write(other.get(), bytes.size(),
                                   reinterpret_cast<const guint8*>(bytes.constData())) &&
                  gsf_output_close(other.get());
    }
    // Closing the container closes the file, which renames its temporary copy over the
    // target only when every write went well.
    const bool closed = gsf_output_close(GSF_OUTPUT(container.get()));
    if (!written || !closed) {
        const GError* failure = gsf_output_error(file.get());
        throw saveFailed(path, failure ? g_error_copy(failure) : nullptr);
    }
}

namespace {

// A stream of the container, whole; empty when there is no such stream.
QByteArray streamOf(GsfInfile* container, GsfInput* file, const char* name) {
    GsfPtr<GsfInput> stream(gsf_infile_child_by_name(container, name));
    if (!stream)
        return {};
    const gsf_off_t size = gsf_input_size(stream.get());
    // Nothing is compressed in a compound file: a stream larger than the file is a lie.
    if (size < 0 || size > gsf_input_size(file))
        throw WorkbookFormatError("stream larger than the file");
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (size > 0 && !gsf_input_read(stream.get(), size, reinterpret_cast<guint8*>(bytes.data())))
        throw WorkbookFormatError("unreadable stream");
    return bytes;
}

WorkbookContainer containerOf(GsfInput* input) {
    GError* error = nullptr;
    GsfPtr<GsfInfile> container(gsf_infile_msole_new(input, &error));
    if (error)
        g_error_free(error);
    if (!container)
        throw WorkbookFormatError("not a compound file");
    GsfPtr<GsfInput> workbook(gsf_infile_child_by_name(container.get(), "Workbook"));
    if (!workbook)
        throw WorkbookFormatError("no workbook stream");
    WorkbookContainer streams;
    streams.workbook = streamOf(container.get(), input, "Workbook");
    streams.summary = streamOf(container.get(), input, kSummaryStreamName);
    streams.documentSummary = streamOf(container.get(), input, kDocumentSummaryStreamName);
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(container.get()), streams.classId.data());
    return streams;
}

} // namespace

WorkbookContainer containerOf(const QByteArray& fileBytes) {
    GsfPtr<GsfInput> input(gsf_input_memory_new(
        reinterpret_cast<const guint8*>(fileBytes.constData()), fileBytes.size(), FALSE));
    return containerOf(input.get());
}

WorkbookContainer containerOfFile(const QString& path) {
    GError* error = nullptr;
    GsfPtr<GsfInput> input(gsf_input_stdio_new(QFile::encodeName(path).constData(), &error));
    if (!input) {
        const QString reason = error ? QString::fromUtf8(error->message) : QString();
        if (error)
            g_error_free(error);
        throw AutomationError(
            QStringLiteral("Cannot open the workbook '%1': %2.").arg(path, reason));
    }
    return containerOf(input.get());
}

} // namespace spreadsheet
