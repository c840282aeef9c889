#pragma once
// The run-wide state the screens share (preferences, the last calculator result, the last
// distance and track). The application object owns it and installs it at start; until then (and
// in tests that install none) a default instance serves.

#include "core/common/settings/AppSettings.h"

AppState& CurrentAppState();
// Installs the application's state; nullptr restores the default instance. The caller keeps
// ownership.
void InstallAppState(AppState* state);
