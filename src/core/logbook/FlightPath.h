#pragma once
// Where a flight was at each moment, as far as it is known: the places of its events (start-up
// at the departure, each take-off and landing, shut-down at the arrival) in time order, with
// straight-line travel between two of them and the first and last place held before and after.

#include "core/times/FlightLegs.h"

#include <QDateTime>

#include <optional>
#include <vector>

class FlightPath {
public:
    // Adds a known place at a time; events with an invalid time or without a place are ignored.
    // Places may be added in any order.
    void Add(const QDateTime& utc, const std::optional<FlightPosition>& where);

    bool Empty() const { return points_.empty(); }
    // The position at a time; nothing when no place is known. Crossing the 180th meridian, the
    // shorter way round is taken.
    std::optional<FlightPosition> At(const QDateTime& utc) const;

private:
    struct Point {
        qint64 seconds;
        FlightPosition where;
    };
    std::vector<Point> points_; // ascending by time
};
