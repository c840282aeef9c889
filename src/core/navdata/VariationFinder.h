#pragma once
// Finds the magnetic variation of the nearest known point (a nav aid) within a distance, for
// airports whose data give none. Positions in degrees; the longitude sign only has to agree
// between the points and the queries.

#include "core/navdata/NearestPointIndex.h"

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
    std::optional<float> Nearest(double latitude, double longitude, double maxNauticalMiles) const;

private:
    std::vector<float> variations_; // by point id
    NearestPointIndex index_;
};
