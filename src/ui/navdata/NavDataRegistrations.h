#pragma once
// The navigation data screens the main frame offers: the Airport Directory view and the
// "User Waypoints" list (Edit > Waypoints...).

class ScreenRegistry;

void RegisterNavDataScreens(ScreenRegistry& registry);
