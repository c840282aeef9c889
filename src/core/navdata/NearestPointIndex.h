#pragma once
// Points sorted by latitude for nearest-neighbour look-ups within a distance: a look-up scans
// only the band of latitudes the distance allows and skips, by a cheap bound, the points whose
// longitude alone puts them too far away. Positions in degrees; the longitude sign only has to
// agree between the points and the queries.

#include <optional>
#include <vector>

class NearestPointIndex {
public:
    struct Point {
        double latitude = 0.0;
        double longitude = 0.0;
        int id = 0; // the caller's own number for the point
    };
    struct Found {
        int id = 0;
        double angle = 0.0; // great-circle angle to the query, radians
    };

    explicit NearestPointIndex(const std::vector<Point>& points);

    // The nearest point within maxNauticalMiles (of several at the same distance, the last in
    // latitude order); nothing when none is that near.
    std::optional<Found> Nearest(double latitude, double longitude, double maxNauticalMiles) const;

private:
    struct Entry {
        Point point;
        double cosLatitude;
    };
    std::vector<Entry> entries_; // ascending by latitude
};
