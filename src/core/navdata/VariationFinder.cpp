#include "core/navdata/VariationFinder.h"

#include "core/navdata/GreatCircle.h"

#include "core/common/Constants.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr int kBands = 181;   // -90 to 90 degrees, the last holding 90 only
constexpr int kColumns = 360; // -180 to 180 degrees, the last holding 180 as well
constexpr size_t kGathered =
    128; // points within reach kept for the second look; more are found again

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

// The one-degree column of a longitude from -180 degrees east; `clamped` keeps it within the
// globe (180 itself in the last column), else it runs on past either side.
int ColumnOf(double longitude, bool clamped = true) {
    const int column = static_cast<int>(std::floor(longitude)) + 180;
    return clamped ? std::clamp(column, 0, kColumns - 1) : column;
}

size_t CellOf(double latitude, double longitude) {
    return static_cast<size_t>(BandOf(latitude)) * kColumns + ColumnOf(longitude);
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
    double window = 0.0; // longitude degrees beyond which no point is near enough

    double SquaredDistance(const Spot& s) const {
        const double dx = s.x - here.x, dy = s.y - here.y, dz = s.z - here.z;
        return dx * dx + dy * dy + dz * dz;
    }
};

VariationFinder::Entry VariationFinder::OnSphere(const Point& p) {
    const double phi = p.latitude * units::kDegreesToRadians;
    const double lambda = p.longitude * units::kDegreesToRadians;
    const double cosPhi = std::cos(phi);
    return {p, cosPhi, cosPhi * std::cos(lambda), cosPhi * std::sin(lambda), std::sin(phi), 0};
}

VariationFinder::VariationFinder(const std::vector<Point>& points, double maxNauticalMiles)
    : maxAngle_(maxNauticalMiles / units::kNauticalMilesPerRadian),
      maxDegrees_(maxAngle_ / units::kDegreesToRadians),
      limit_(std::pow(std::sin(maxAngle_ / 2), 2)),
      maxChordSquared_(ChordSquared(maxAngle_ + kAngleMargin)),
      clearChordSquared_(ChordSquared(maxAngle_ - kAngleMargin)) {
    entries_.reserve(points.size());
    for (const Point& p : points)
        entries_.push_back(OnSphere(p));
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.point.latitude < b.point.latitude; });
    for (size_t i = 0; i < entries_.size(); ++i)
        entries_[i].order = i;
    // The points on the map by cell, then the others.
    const auto cellOf = [](const Entry& e) {
        return OnMap(e.point.latitude, e.point.longitude)
                   ? CellOf(e.point.latitude, e.point.longitude)
                   : kBands * kColumns;
    };
    std::sort(entries_.begin(), entries_.end(),
              [&](const Entry& a, const Entry& b) { return cellOf(a) < cellOf(b); });
    // cellStart_[c] is the first entry of cell c, cellStart_[c + 1] the first after it; the last
    // cell holds the points off the map.
    cellStart_.assign(kBands * kColumns + 2, 0);
    spots_.reserve(entries_.size());
    for (const Entry& e : entries_) {
        ++cellStart_[cellOf(e) + 1];
        spots_.push_back({e.point.latitude, e.x, e.y, e.z});
    }
    for (size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
}

template <typename Visit>
void VariationFinder::ForEachCandidate(const Query& q, Visit visit) const {
    const double latitude = q.here.point.latitude;
    const double longitude = q.here.point.longitude;
    const auto cells = [&](size_t from, size_t to) { // cells from..to, inclusive
        for (uint32_t i = cellStart_[from]; i < cellStart_[to + 1]; ++i)
            visit(i);
    };
    constexpr size_t kOffMap = kBands * kColumns;
    if (OnMap(latitude, longitude)) {
        const int first = ColumnOf(longitude - q.window - 1e-9, false);
        const int last = ColumnOf(longitude + q.window + 1e-9, false);
        for (int b = BandOf(latitude - maxDegrees_); b <= BandOf(latitude + maxDegrees_); ++b) {
            const size_t band = static_cast<size_t>(b) * kColumns;
            if (q.window >= 179.0 || last - first + 1 >= kColumns) {
                cells(band, band + kColumns - 1);
                continue;
            }
            // The columns of the window, in one or two runs round the date line.
            const int from = (first % kColumns + kColumns) % kColumns;
            const int to = (last % kColumns + kColumns) % kColumns;
            if (from <= to) {
                cells(band + from, band + to);
            } else {
                cells(band + from, band + kColumns - 1);
                cells(band, band + to);
            }
        }
    } else if (std::isfinite(latitude) && std::isfinite(longitude)) {
        cells(0, kOffMap - 1); // the longitude may point round the globe
    }
    cells(kOffMap, kOffMap);
}

// The points within reach by straight-line distance are gathered with the smallest distance;
// then the great-circle angle is computed of those within rounding of it, and the smallest angle
// taken, which on the sphere belongs to the smallest straight-line distance as well.
std::optional<float> VariationFinder::Nearest(double latitude, double longitude) const {
    Query q;
    q.here = OnSphere({latitude, longitude, 0.0f});
    q.window = LongitudeWindow(latitude, q.here.cosLatitude, maxDegrees_, limit_);
    struct Near {
        const Entry* entry;
        double squaredDistance;
    };
    std::array<Near, kGathered> gathered;
    size_t count = 0;
    bool overflow = false;
    double nearest = std::numeric_limits<double>::infinity();
    const double low = latitude - maxDegrees_;
    const double high = latitude + maxDegrees_;
    ForEachCandidate(q, [&](uint32_t i) {
        const Spot& s = spots_[i];
        if (!(s.latitude >= low && s.latitude <= high))
            return;
        const double d = q.SquaredDistance(s);
        if (!(d <= maxChordSquared_))
            return;
        nearest = std::min(nearest, d);
        if (count < gathered.size())
            gathered[count++] = {&entries_[i], d};
        else
            overflow = true;
    });
    if (!(nearest <= maxChordSquared_))
        return std::nullopt;
    // A chord grows more slowly than its angle, so this holds every point whose angle is within
    // twice the margin of the nearest one's.
    const double candidateChord = std::sqrt(nearest) + 2 * kAngleMargin;
    const double candidateLimit = candidateChord * candidateChord;
    // One point that near, and well within range, is the nearest by any measure.
    if (!overflow && nearest <= clearChordSquared_) {
        const Near* only = nullptr;
        for (size_t i = 0; i < count; ++i) {
            if (gathered[i].squaredDistance > candidateLimit)
                continue;
            only = only == nullptr ? &gathered[i] : nullptr;
            if (only == nullptr)
                break;
        }
        if (only != nullptr)
            return only->entry->point.variation;
    }
    double bestAngle = maxAngle_;
    const Entry* best = nullptr;
    const auto weigh = [&](const Entry& e, double squaredDistance) {
        if (squaredDistance > candidateLimit)
            return;
        // Haversine bound: sin^2(d/2) >= cos(lat1) cos(lat2) sin^2(dlon/2), so a point whose
        // longitude alone puts it too far away is passed over.
        const double halfDeltaLon = (longitude - e.point.longitude) * units::kDegreesToRadians / 2;
        if (q.here.cosLatitude * e.cosLatitude * std::pow(std::sin(halfDeltaLon), 2) > limit_)
            return;
        const double angle =
            GreatCircleAngle(latitude, longitude, e.point.latitude, e.point.longitude);
        if (angle < bestAngle ||
            (angle == bestAngle && (best == nullptr || e.order > best->order))) {
            bestAngle = angle;
            best = &e;
        }
    };
    if (overflow) {
        ForEachCandidate(q, [&](uint32_t i) {
            if (spots_[i].latitude >= low && spots_[i].latitude <= high)
                weigh(entries_[i], q.SquaredDistance(spots_[i]));
        });
    } else {
        for (size_t i = 0; i < count; ++i)
            weigh(*gathered[i].entry, gathered[i].squaredDistance);
    }
    if (best == nullptr)
        return std::nullopt;
    return best->point.variation;
}
