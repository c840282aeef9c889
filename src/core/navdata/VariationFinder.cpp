#include "core/navdata/VariationFinder.h"

#include "core/navdata/GreatCircle.h"

#include "core/common/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr int kBands = 181; // -90 to 90 degrees, the last holding 90 only

// More than the rounding error of a computed great-circle angle (about 3e-8 radians for points
// close together), so that a point is passed over for its straight-line distance only when its
// computed angle cannot be the smallest.
constexpr double kAngleMargin = 1e-6;

bool OnMap(double latitude, double longitude) {
    return std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0;
}

int BandOf(double latitude) {
    return std::clamp(static_cast<int>(std::floor(latitude)) + 90, 0, kBands - 1);
}

// The squared straight-line distance between points of the unit sphere `angle` radians apart.
double ChordSquared(double angle) {
    const double chord = 2.0 * std::sin(std::min(angle, std::numbers::pi) / 2.0);
    return chord * chord;
}

// The widest longitude difference in degrees at which a point of the latitude band around
// `latitude` can still pass the haversine bound, widened a little so that rounding never drops a
// point that the exact test keeps; 360 (no limit) near the poles.
double LongitudeWindow(double latitude, double cosLatitude, double maxDegrees, double limit) {
    const double farthest = std::fabs(latitude) + maxDegrees;
    if (!(farthest < 89.0))
        return 360.0;
    const double bound = limit / (cosLatitude * std::cos(farthest * units::kDegreesToRadians));
    if (!(bound < 0.9))
        return 360.0;
    // asin(x) <= x / sqrt(1 - x^2), as an angle is at most its tangent.
    return 2.0 * std::sqrt(bound / (1.0 - bound)) / units::kDegreesToRadians * 1.001 + 1e-9;
}

} // namespace

struct VariationFinder::Query {
    Entry here;
    double maxDegrees = 0.0;
    double limit = 0.0;  // sin^2 of half the largest angle
    double window = 0.0; // longitude degrees beyond which no point is near enough

    double SquaredDistance(const Entry& e) const {
        const double dx = e.x - here.x, dy = e.y - here.y, dz = e.z - here.z;
        return dx * dx + dy * dy + dz * dz;
    }
    bool InLatitudeRange(const Entry& e) const {
        return e.point.latitude >= here.point.latitude - maxDegrees &&
               e.point.latitude <= here.point.latitude + maxDegrees;
    }
};

VariationFinder::Entry VariationFinder::OnSphere(const Point& p) {
    const double phi = p.latitude * units::kDegreesToRadians;
    const double lambda = p.longitude * units::kDegreesToRadians;
    const double cosPhi = std::cos(phi);
    return {p, cosPhi, cosPhi * std::cos(lambda), cosPhi * std::sin(lambda), std::sin(phi), 0};
}

VariationFinder::VariationFinder(const std::vector<Point>& points) : bands_(kBands) {
    std::vector<Entry> entries;
    entries.reserve(points.size());
    for (const Point& p : points)
        entries.push_back(OnSphere(p));
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.point.latitude < b.point.latitude; });
    for (size_t i = 0; i < entries.size(); ++i) {
        Entry& e = entries[i];
        e.order = i;
        if (OnMap(e.point.latitude, e.point.longitude))
            bands_[BandOf(e.point.latitude)].push_back(e);
        else
            offMap_.push_back(e);
    }
    for (std::vector<Entry>& band : bands_)
        std::sort(band.begin(), band.end(), [](const Entry& a, const Entry& b) {
            return a.point.longitude < b.point.longitude;
        });
}

template <typename Visit>
void VariationFinder::ForEachCandidate(const Query& q, Visit visit) const {
    const double latitude = q.here.point.latitude;
    const double longitude = q.here.point.longitude;
    const auto stretch = [&](const std::vector<Entry>& band, double from, double to) {
        auto it = std::lower_bound(band.begin(), band.end(), from, [](const Entry& e, double lon) {
            return e.point.longitude < lon;
        });
        for (; it != band.end() && it->point.longitude <= to; ++it)
            visit(*it);
    };
    if (OnMap(latitude, longitude)) {
        const double from = longitude - q.window - 1e-9;
        const double to = longitude + q.window + 1e-9;
        for (int b = BandOf(latitude - q.maxDegrees); b <= BandOf(latitude + q.maxDegrees); ++b) {
            if (q.window >= 179.0) {
                stretch(bands_[b], -180.0, 180.0);
                continue;
            }
            stretch(bands_[b], from, to);
            if (from < -180.0)
                stretch(bands_[b], from + 360.0, 180.0);
            if (to > 180.0)
                stretch(bands_[b], -180.0, to - 360.0);
        }
    } else if (std::isfinite(latitude) && std::isfinite(longitude)) {
        for (const std::vector<Entry>& band : bands_)
            stretch(band, -180.0, 180.0); // the longitude may point round the globe
    }
    for (const Entry& e : offMap_)
        visit(e);
}

// The first pass finds the smallest straight-line distance; the second computes the great-circle
// angle of the points within rounding of it and takes the smallest angle, which on the sphere
// belongs to the smallest straight-line distance as well.
std::optional<float> VariationFinder::Nearest(double latitude, double longitude,
                                              double maxNauticalMiles) const {
    Query q;
    q.here = OnSphere({latitude, longitude, 0.0f});
    const double maxAngle = maxNauticalMiles / units::kNauticalMilesPerRadian;
    q.maxDegrees = maxAngle / units::kDegreesToRadians;
    q.limit = std::pow(std::sin(maxAngle / 2), 2);
    q.window = LongitudeWindow(latitude, q.here.cosLatitude, q.maxDegrees, q.limit);
    double nearest = std::numeric_limits<double>::infinity();
    ForEachCandidate(q, [&](const Entry& e) {
        if (q.InLatitudeRange(e))
            nearest = std::min(nearest, q.SquaredDistance(e));
    });
    if (!(nearest <= ChordSquared(maxAngle + kAngleMargin)))
        return std::nullopt;
    // A chord grows more slowly than its angle, so this holds every point whose angle is within
    // twice the margin of the nearest one's.
    const double candidateChord = std::sqrt(nearest) + 2 * kAngleMargin;
    const double candidateLimit = candidateChord * candidateChord;
    double bestAngle = maxAngle;
    const Entry* best = nullptr;
    ForEachCandidate(q, [&](const Entry& e) {
        if (!q.InLatitudeRange(e) || q.SquaredDistance(e) > candidateLimit)
            return;
        // Haversine bound: sin^2(d/2) >= cos(lat1) cos(lat2) sin^2(dlon/2), so a point whose
        // longitude alone puts it too far away is passed over.
        const double halfDeltaLon = (longitude - e.point.longitude) * units::kDegreesToRadians / 2;
        if (q.here.cosLatitude * e.cosLatitude * std::pow(std::sin(halfDeltaLon), 2) > q.limit)
            return;
        const double angle =
            GreatCircleAngle(latitude, longitude, e.point.latitude, e.point.longitude);
        if (angle < bestAngle ||
            (angle == bestAngle && (best == nullptr || e.order > best->order))) {
            bestAngle = angle;
            best = &e;
        }
    });
    if (best == nullptr)
        return std::nullopt;
    return best->point.variation;
}
