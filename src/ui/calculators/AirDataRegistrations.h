#pragma once
// Registers the air data, descent, time, speed, distance, fuel, weight shift and conversion
// dialogs with the main frame's commands: the five altitude commands of the Calc menu open the
// "Calc" dialog in their mode, the six unit pairs of the Convert menu the "Convert" dialog.

class ScreenRegistry;

void RegisterAirDataCalculators(ScreenRegistry& registry);
