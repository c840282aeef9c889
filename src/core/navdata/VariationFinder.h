#pragma once
// Finds the magnetic variation of the nearest known point (a nav aid) within a distance, for
// airports whose data give none. Positions in degrees; the longitude sign only has to agree
// between the points and the queries.
//
// The points are kept in cells of one degree of latitude and longitude, so a search looks only at
// the few cells within its distance. Among those it
// finds the nearest by straight-line distance through the sphere (no trigonometry), and computes
// the great-circle distance only of the points that are that near, within rounding.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class VariationFinder {
public:
    struct Point {
        double latitude = 0.0;
        double longitude = 0.0;
        float variation = 0.0f;
    };

    // Finds points within maxNauticalMiles.
    VariationFinder(const std::vector<Point>& points, double maxNauticalMiles);

    // The variation of the nearest point in range; nothing when none is that near.
    // Of points at the same distance the one with the highest latitude is taken; of points at
    // the same place always the same one, by the order the points are sorted in.
    std::optional<float> Nearest(double latitude, double longitude) const;

private:
    struct Entry {
        Point point;
        double cosLatitude = 1.0;
        double x = 0.0, y = 0.0, z = 0.0; // the point on the unit sphere
        size_t order = 0; // place in latitude order, which decides between equal distances
    };
    // What a search looks at first, kept apart so that more of it fits the cache.
    struct Spot {
        double latitude;
        double x, y, z;
    };
    struct Query;

    static Entry OnSphere(const Point& p);
    // Calls visit(i) for every point entries_[i] that may lie within the query's distance.
    template <typename Visit> void ForEachCandidate(const Query& q, Visit visit) const;

    double maxAngle_;          // radians
    double maxDegrees_;        // of latitude
    double limit_;             // sin^2 of half the largest angle
    double maxChordSquared_;   // squared straight-line distance of the largest angle, and a margin
    double clearChordSquared_; // the same, less the margin
    // By one-degree cell (latitude band, then longitude column), then the points off the map
    // (beyond the poles or the date line), which every search looks at.
    std::vector<Entry> entries_;
    std::vector<Spot> spots_;         // of entries_, in the same order
    std::vector<uint32_t> cellStart_; // the first entry of each cell, and the end
};
