#pragma once

#include "report/spreadsheet/sheet.h"

#include <QString>

#include <memory>

namespace spreadsheet {

// The last workbook the server saved, kept with the identity of the file it went to
// (device, inode, size, modification and change times), so that opening that file again
// while it is unchanged takes the workbook from memory instead of reading it back. At
// most one workbook is kept: a later save replaces it and reopening takes it. It is kept
// for the piece of work that saved it (the report's two conversations run in one click
// handler) and let go once the program is back in its event loop, so that a large workbook
// is not held for nothing.

void rememberSavedWorkbook(const QString& path, std::shared_ptr<Workbook> workbook);

// The workbook saved at `path` when the file is still exactly as it was written; null
// otherwise. Either way nothing stays remembered.
std::shared_ptr<Workbook> takeSavedWorkbook(const QString& path);

} // namespace spreadsheet
