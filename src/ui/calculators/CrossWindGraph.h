#pragma once
// The "Cross Wind" graph: a fixed aircraft pointing up; with a result, the head- or tail-wind
// component as a blue arrow at the nose or tail, the wind as a red line from the side and end it
// comes from, and the cross-wind component as a green line to the edge on that side.

#include "core/calculators/WindCalculators.h"

class QPainter;
class QRect;

// Draws into `area` (filled with the window colour first) at fixed pixel lengths; `squareScreen`
// shortens the fuselage. Lines beyond a small area's edge are cut; the values stay inside it.
void DrawCrossWindGraph(QPainter& painter, const QRect& area, const CrossWindGraphValues& values,
                        bool squareScreen);
