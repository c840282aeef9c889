#pragma once
// File > Preferences...: the Preferences dialog on the active document, opened on the page of
// the current view, after which the preferences are saved whichever button closed it.

class ScreenRegistry;
struct CommandContext;

void RunPreferences(CommandContext& context);
void RegisterPreferences(ScreenRegistry& registry);
