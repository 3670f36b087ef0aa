#pragma once

#include "report/spreadsheet/biff_writer.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace spreadsheet {

// The OLE2 compound file that holds a workbook's "Workbook" stream and its property set
// streams, through libgsf. Its root storage carries the class id of a workbook.

using ClassId = std::array<uint8_t, 16>;
// 00020820-0000-0000-C000-000000000046, as stored.
constexpr ClassId kWorkbookClassId{0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

// A stream of the container besides "Workbook": its name and bytes.
using NamedStream = std::pair<const char*, QByteArray>;

// Writes a compound file with the "Workbook" stream, whose bytes `produce` hands to the
// sink it is given, followed by the other streams; raises AutomationError with the reason
// when the file cannot be written.
void saveWorkbookContainer(const QString& path,
                           const std::function<void(const StreamSink&)>& produce,
                           const std::vector<NamedStream>& otherStreams = {});

// What a compound file holds for a workbook; a property set stream it lacks is empty.
struct WorkbookContainer {
    QByteArray workbook;
    QByteArray summary;
    QByteArray documentSummary;
    ClassId classId{};
};

// The streams of a compound file held in memory; raises WorkbookFormatError when the
// bytes are not a compound file or hold no "Workbook" stream.
WorkbookContainer containerOf(const QByteArray& fileBytes);

// The same for a compound file on disk, read without loading the whole file. A file that
// cannot be opened raises AutomationError.
WorkbookContainer containerOfFile(const QString& path);

} // namespace spreadsheet
