#pragma once
// View, Orientation: Portrait, Landscape (Right) and Landscape (Left) turn the device screen to
// the shape they name. An item is enabled when the screen can turn that way and checked for the
// shape shown.

#include "ui/framework/CommandTable.h"

// The three commands on the platform's device screen (looked up when they run).
QList<Command> OrientationCommands();
