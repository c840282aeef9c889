#pragma once
// The Times and Time Zones views and the Timers dialog, registered with the main frame.

class ScreenRegistry;

void RegisterTimesScreens(ScreenRegistry& registry);
