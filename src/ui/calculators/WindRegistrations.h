#pragma once
// Registers the wind calculators and the holding pattern dialogs with the main frame's commands:
// "Ground Speed...", "Heading/Time...", "Find Wind...", "Cross Wind..." and the "Holds" menu's
// "Times..." and "View...".

class ScreenRegistry;

void RegisterWindCalculators(ScreenRegistry& registry);
