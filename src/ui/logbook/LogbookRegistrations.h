#pragma once
// The logbook's screens: the Logbook view.

class ScreenRegistry;

void RegisterLogbookScreens(ScreenRegistry& registry);
