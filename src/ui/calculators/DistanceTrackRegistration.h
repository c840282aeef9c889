#pragma once
// Adds Calc > Distance/Track... to the main frame's screens.

class ScreenRegistry;

void RegisterDistanceTrack(ScreenRegistry& registry);
