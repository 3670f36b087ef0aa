#include "store/write_fault.h"

namespace store {

namespace {

int g_countdown = 0;
int g_error = 0;

} // namespace

void failNthWrite(int n, int error) {
    g_countdown = n;
    g_error = error;
}

int takeWriteFault() {
    if (g_countdown <= 0)
        return 0;
    if (--g_countdown > 0)
        return 0;
    return g_error;
}

bool writeFaultArmed() {
    return g_countdown > 0;
}

} // namespace store
