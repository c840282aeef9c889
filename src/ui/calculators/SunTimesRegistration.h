#pragma once
// Registers the "Sun Rise - Sun Set" dialog (Calc menu) with the screen registry.

class ScreenRegistry;

void RegisterSunTimesCalculator(ScreenRegistry& registry);
