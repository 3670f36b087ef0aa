#include "store/write_fault.h"

namespace write_fault {
namespace {

int g_countdown = 0;
int g_error = 0;

} // namespace

void failNthWrite(int n, int error) {
    g_countdown = n;
    g_error = error;
}

int take() {
    if (g_countdown <= 0)
        return 0;
    if (--g_countdown > 0)
        return 0;
    return g_error;
}

bool armed() {
    return g_countdown > 0;
}

} // namespace write_fault
