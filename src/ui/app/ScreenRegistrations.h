#pragma once
// The screens of every subsystem, registered with the main frame at start-up.

class ScreenRegistry;

// Registers the dialogs and views that exist. A subsystem that builds its screens adds its
// registration function to this list (and its module to this folder's CMakeLists.txt).
void RegisterScreens(ScreenRegistry& registry);
