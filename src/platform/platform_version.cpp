#include "platform/platform_version.h"

bool IsWin95Osr2() {
    // Only that system family had the flag; this program does not run there.
    static const bool flag = false;
    return flag;
}
