#include "ui/framework/AppContext.h"

namespace {
AppState* g_state = nullptr;
}

AppState& CurrentAppState() {
    static AppState fallback;
    return g_state ? *g_state : fallback;
}

void InstallAppState(AppState* state) {
    g_state = state;
}
