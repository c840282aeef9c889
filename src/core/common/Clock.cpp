#include "core/common/Clock.h"

namespace {
const Clock* g_clock = nullptr;
}

const Clock& CurrentClock() {
    static const SystemClock system;
    return g_clock ? *g_clock : system;
}

void SetCurrentClock(const Clock* clock) {
    g_clock = clock;
}
