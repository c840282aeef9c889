#pragma once
// The "Cross Wind" graph: a fixed aircraft pointing up; with a result, the head- or tail-wind
// component as a blue arrow at the nose or tail, the wind as a red line from the side and end it
// comes from, and the cross-wind component as a green line to the edge on that side.

#include "core/calculators/WindCalculators.h"

class QPainter;
class QRect;

// Draws into `area` (filled with the window colour first). `squareScreen` shortens the fuselage.
// An area too small for the drawing shrinks the lengths (never the text) to fit.
void DrawCrossWindGraph(QPainter& painter, const QRect& area, const CrossWindGraphValues& values,
                        bool squareScreen);
