#pragma once

#include "report/automation/automation_object.h"

namespace spreadsheet {

// A new instance of the in-process spreadsheet server ("Excel.Application"). It answers
// the members the report uses and keeps its workbooks in memory until Quit; SaveAs and
// Open write and read Excel 97-2003 files.
automation::ObjectPtr createApplication();

// Registers the server with the automation layer as "Excel.Application".
void registerApplicationServer();

} // namespace spreadsheet
