#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Stops the child at one chosen file change of the store (store/file_changes.h), counted
// from when it is installed: a kill just before the change, a power cut there (every
// change not yet flushed is undone first, as if it never reached the disk), or a write
// torn at a 512-byte sector boundary (only its first sectors land) followed by a kill.
namespace change_interrupter {

enum class Mode { Kill, PowerCut, Tear };

struct Plan {
    int64_t stopAt = 0; // 1 = the first change; 0 counts only
    Mode mode = Mode::Kill;
    int tornSectors = 0; // Tear: how many sector boundaries of the write land
};

// Reads the plan from KALMO_STOP_AT and KALMO_STOP_MODE ("kill", "power", "tear:K").
Plan planFromEnvironment();

void install(const Plan& plan);
// The changes seen so far, and a description of them: one entry per change, separated
// by commas, the kind's letter (c create, w write, t truncate, s sync, r rename, x remove,
// f flush of a folder) and for a write the number of sectors it spans ("w3").
int64_t changesSeen();
QByteArray changesMade();

} // namespace change_interrupter
