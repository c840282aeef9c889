#include "core/navdata/NearestPointIndex.h"

#include "core/navdata/GreatCircle.h"

#include "core/common/Constants.h"

#include <algorithm>
#include <cmath>

NearestPointIndex::NearestPointIndex(const std::vector<Point>& points) {
    entries_.reserve(points.size());
    for (const Point& p : points)
        entries_.push_back({p, std::cos(p.latitude * units::kDegreesToRadians)});
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.point.latitude < b.point.latitude; });
}

std::optional<NearestPointIndex::Found>
NearestPointIndex::Nearest(double latitude, double longitude, double maxNauticalMiles) const {
    const double maxAngle = maxNauticalMiles / units::kNauticalMilesPerRadian;
    const double maxDegrees = maxAngle / units::kDegreesToRadians;
    const double limit = std::pow(std::sin(maxAngle / 2), 2);
    const double cosLatitude = std::cos(latitude * units::kDegreesToRadians);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), latitude - maxDegrees,
                               [](const Entry& e, double lat) { return e.point.latitude < lat; });
    std::optional<Found> best;
    double bestAngle = maxAngle;
    for (; it != entries_.end() && it->point.latitude <= latitude + maxDegrees; ++it) {
        // Haversine bound: sin^2(d/2) >= cos(lat1) cos(lat2) sin^2(dlon/2), so a point whose
        // longitude alone puts it too far away is passed over without the full formula.
        const double halfDeltaLon =
            (longitude - it->point.longitude) * units::kDegreesToRadians / 2;
        if (cosLatitude * it->cosLatitude * std::pow(std::sin(halfDeltaLon), 2) > limit)
            continue;
        const double angle =
            GreatCircleAngle(latitude, longitude, it->point.latitude, it->point.longitude);
        if (angle <= bestAngle) {
            bestAngle = angle;
            best = Found{it->point.id, angle};
        }
    }
    return best;
}
