#include "ui/calculators/WindGraph.h"

#include "core/common/Constants.h"
#include "core/common/text/Rounding.h"
#include "ui/calculators/GraphPainting.h"
#include "ui/framework/ColourScheme.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A line's bearing: the angle (0..360) rounded to whole degrees and brought into 0..359.
int Bearing(double angle) {
    return static_cast<int>(RoundWhole(angle) % 360);
}

void DrawBearingLine(QPainter& painter, QPoint centre, int length, double angle, QColor colour) {
    const double b = Bearing(angle) * units::kDegreesToRadians;
    painter.setPen(QPen(colour, 3));
    painter.drawLine(centre, centre + QPoint(static_cast<int>(length * std::sin(b)),
                                             static_cast<int>(-length * std::cos(b))));
}

// The aircraft along heading h: fuselage of half-length r, wing of half-length r a quarter of L
// towards the nose, tail plane of half-length L/8 through the tail end.
void DrawAircraft(QPainter& painter, QPoint centre, int r, int l, double heading) {
    const double a = (heading + 90.0) * units::kDegreesToRadians;
    const double b = (heading + 180.0) * units::kDegreesToRadians;
    const QPointF along(std::cos(a), std::sin(a));
    const QPointF across(std::cos(b), std::sin(b));
    auto at = [&](QPointF p) { return QPoint(static_cast<int>(p.x()), static_cast<int>(p.y())); };
    const QPointF c = centre;
    const QPointF wing = c - along * (l / 4.0);
    const QPointF tail = c + along * r;
    painter.setPen(QPen(CurrentColourScheme().ink, 3));
    painter.drawLine(at(c - along * r), at(tail));
    painter.drawLine(at(wing - across * r), at(wing + across * r));
    painter.drawLine(at(tail - across * (l / 8.0)), at(tail + across * (l / 8.0)));
}

} // namespace

void DrawWindGraph(QPainter& painter, const QRect& area, const WindGraphValues& values) {
    painter.save();
    painter.setClipRect(area);
    FillWithWindowColour(painter, area);
    const int size = std::min(area.width(), area.height());
    const QPoint centre = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    const int l = 3 * size / 4;
    const int r = 3 * size / 8;
    const int ring = size / 2 - 2;
    DrawCompassRing(painter, centre, ring);
    if (values.hasAircraft) {
        // The wind and course lines end at the ring.
        if (values.hasResult) {
            DrawBearingLine(painter, centre, ring, values.windDirection,
                            CurrentColourScheme().wind);
            DrawBearingLine(painter, centre, ring, values.course, CurrentColourScheme().course);
        }
        DrawAircraft(painter, centre, r, l, values.heading);
    }
    DrawCompassLetters(painter, centre, ring);
    painter.restore();
}
