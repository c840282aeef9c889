#pragma once
// The Times view, registered with the main frame.

class ScreenRegistry;

void RegisterTimesScreens(ScreenRegistry& registry);
