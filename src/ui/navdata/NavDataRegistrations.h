#pragma once
// The navigation data screens the main frame offers: the Airport Directory view.

class ScreenRegistry;

void RegisterNavDataScreens(ScreenRegistry& registry);
