#pragma once

namespace store {

// A failure injection point in every write path of the store (data-file writes and cuts,
// file copies), so tests can interrupt a multi-step operation at any step and check what
// is left on disk.

// Makes the n-th write from now on fail with `error` (n = 1 is the next write); n = 0
// turns the injection off. Meant for tests only.
void failNthWrite(int n, int error);

// Called by each write path before it writes: the errno to fail with, or 0 to go on.
int takeWriteFault();

// True while a failure is set and has not happened yet.
bool writeFaultArmed();

} // namespace store
