#pragma once

#include "store/contact_record.h"
#include "store/data_file.h"

#include <cstdint>

// The state every record operation of the main window works on: the open data file,
// the record buffer (one contact record in memory) and the current record index.
struct RecordState {
    store::DataFile file;
    // The record on show (read last by a display; scans never use it).
    store::ContactRecord buffer;
    // The index of the record on show; equal to the record count while a new record is
    // entered. Scans of the file (search, block moves) keep their own positions, so this
    // never names a record that is not on show.
    int32_t index = 0;
    // True from "Новая" until the new record is stored or the entry is cancelled.
    bool enteringNew = false;
};
