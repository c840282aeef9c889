#pragma once
// View, Night Colours: switches between the day colours and the dark palette that keeps a
// pilot's night vision. Checked while night colours are on; remembered as "NightColours".
// The switch takes effect at once, in every open window.

#include "ui/framework/CommandTable.h"

Command NightColoursCommand();

// The stored choice: true for night colours.
bool NightColoursChosen();
// Stores the choice and shows the chosen colours at once.
void ChooseNightColours(bool night);
