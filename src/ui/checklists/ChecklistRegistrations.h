#pragma once
// The checklist subsystem's screens for the main frame: the Checklist view.

class ScreenRegistry;

void RegisterChecklistScreens(ScreenRegistry& registry);
