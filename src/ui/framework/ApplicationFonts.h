#pragma once
// The dialogs were drawn for Tahoma 8 pt. The metric-compatible Tahoma of Debian's fonts-wine is
// loaded when present; otherwise a plain sans-serif stands in.

#include <QFont>

// Loads the Tahoma fonts if they are installed; true when they were found.
bool LoadApplicationFonts();
// The dialog font: Tahoma (or sans-serif) at 11 pixels, the size of 8 pt on the handheld.
QFont DialogFont();
