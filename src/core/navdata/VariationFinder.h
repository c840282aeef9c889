#pragma once
// Finds the magnetic variation of the nearest known point (a nav aid) within a distance, for
// airports whose data give none. Positions in degrees; the longitude sign only has to agree
// between the points and the queries.
//
// The points are kept in one-degree bands of latitude, each sorted by longitude, so a search
// looks only at the few bands and the stretch of longitude within its distance. Among those it
// finds the nearest by straight-line distance through the sphere (no trigonometry), and computes
// the great-circle distance only of the points that are that near, within rounding.

#include <cstddef>
#include <optional>
#include <vector>

class VariationFinder {
public:
    struct Point {
        double latitude = 0.0;
        double longitude = 0.0;
        float variation = 0.0f;
    };

    explicit VariationFinder(const std::vector<Point>& points);

    // The variation of the nearest point within maxNauticalMiles; nothing when none is that near.
    // Of points at the same distance the one with the highest latitude is taken; of points at
    // the same place always the same one, by the order the points are sorted in.
    std::optional<float> Nearest(double latitude, double longitude, double maxNauticalMiles) const;

private:
    struct Entry {
        Point point;
        double cosLatitude = 1.0;
        double x = 0.0, y = 0.0, z = 0.0; // the point on the unit sphere
        size_t order = 0; // place in latitude order, which decides between equal distances
    };
    struct Query;

    static Entry OnSphere(const Point& p);
    // Calls visit(entry) for every point that may lie within the query's distance.
    template <typename Visit> void ForEachCandidate(const Query& q, Visit visit) const;

    std::vector<std::vector<Entry>> bands_; // from -90 degrees up, each ascending by longitude
    std::vector<Entry> offMap_; // beyond the poles or the date line: looked at by every search
};
