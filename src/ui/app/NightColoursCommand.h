#pragma once
// View, Night Colours: switches between the day colours and the dark palette that keeps a
// pilot's night vision. Checked while night colours are on; remembered as "NightColours".

#include "ui/framework/CommandTable.h"

Command NightColoursCommand();
