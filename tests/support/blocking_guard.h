#pragma once

#include <functional>

// Runs `action` in a child process and reports whether it came back (neither stopped nor
// crashed), so a test of something that used to block for ever (a FIFO opened for
// reading, a read from a device) fails instead of hanging the test run. The child is
// stopped after `seconds`; this is a guard against "never", not a speed measure.
bool returnsWithoutBlocking(const std::function<void()>& action, int seconds = 10);

// Makes a FIFO at the path; false when the system refuses.
bool makeFifo(const char* path);
