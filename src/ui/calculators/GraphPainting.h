#pragma once
// Drawing pieces the calculator graphs share.

#include <QColor>
#include <QPoint>

class QPainter;
class QRect;

// Fills the area with the window colour, as owner-drawn graphs start.
void FillWithWindowColour(QPainter& painter, const QRect& area);
// A light grey ring with N, E, S and W inside it, north up.
void DrawCompassRing(QPainter& painter, QPoint centre, int radius);
// An open arrow head at `tip`, pointing away from `from`, with arms of the given length.
void DrawArrowHead(QPainter& painter, QPointF from, QPointF tip, double arm);
