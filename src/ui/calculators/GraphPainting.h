#pragma once
// Drawing pieces the calculator graphs share.

#include <QColor>
#include <QPoint>

class QPainter;
class QRect;

// Fills the area with the window colour, as owner-drawn graphs start.
void FillWithWindowColour(QPainter& painter, const QRect& area);
// A light grey ring (nothing when the radius is below 12 pixels).
void DrawCompassRing(QPainter& painter, QPoint centre, int radius);
// N, E, S and W inside the ring, north up, in the dialog font and dark grey; drawn last so that
// nothing covers them.
void DrawCompassLetters(QPainter& painter, QPoint centre, int radius);
// An open arrow head at `tip`, pointing away from `from`, with arms of the given length.
void DrawArrowHead(QPainter& painter, QPointF from, QPointF tip, double arm);
