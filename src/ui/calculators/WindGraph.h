#pragma once
// The compass graph of "Ground Speed" and "Wind": north up, a compass ring, the aircraft along
// its heading and, with a result, the wind (green) and course (blue) lines from the centre
// towards their directions.

#include "core/calculators/WindCalculators.h"

class QPainter;
class QRect;

// Draws into `area` (filled with the window colour first). The sizes follow the area's height,
// or its width when that is the smaller, so that the aircraft stays inside a narrow area.
void DrawWindGraph(QPainter& painter, const QRect& area, const WindGraphValues& values);
