#pragma once
// The hold entry graphic: the racetrack with the inbound course drawn upwards, the fix at the top
// of the inbound leg, the approach course as a blue line into the fix and, for an offset or
// parallel entry, the entry track with its turn.

#include "core/calculators/HoldEntry.h"

class QPainter;
class QRect;

// Draws into `area` (filled with the window colour first). `landscapeWidth` (a 320-pixel-wide
// screen) shortens the racetrack. An area lower than the racetrack shrinks the drawing to fit.
void DrawHoldPattern(QPainter& painter, const QRect& area, const HoldEntryResult& entry,
                     HoldTurns turns, bool landscapeWidth);
