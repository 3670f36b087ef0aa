#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <cstdint>

// The state every record operation of the main window works on: the open data file,
// the record buffer (one contact record in memory) and the current record index.
struct RecordState {
    DataFile file;
    ContactRecord buffer;
    int32_t index = 0;
};
