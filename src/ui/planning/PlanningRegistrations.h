#pragma once
// The flight planning screens the main frame offers: the Flight Planning view.

class ScreenRegistry;

void RegisterPlanningScreens(ScreenRegistry& registry);
