#include "core/navdata/GreatCircle.h"

#include "core/common/Constants.h"
#include "core/common/text/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounding can push a cosine slightly beyond 1 for identical points and points on one meridian.
double ClampedArcCosine(double c) {
    return std::acos(std::clamp(c, -1.0, 1.0));
}

// Below this, cos(lat1) * sin(d) counts as 0: cos(90 degrees) is about 6e-17, not 0.
constexpr double kZeroDenominator = 1e-12;

} // namespace

double GreatCircleAngle(double lat1, double lon1, double lat2, double lon2) {
    const double phi1 = lat1 * units::kDegreesToRadians;
    const double phi2 = lat2 * units::kDegreesToRadians;
    const double deltaLambda = lon2 * units::kDegreesToRadians - lon1 * units::kDegreesToRadians;
    return ClampedArcCosine(std::cos(deltaLambda) * std::cos(phi2) * std::cos(phi1) +
                            std::sin(phi2) * std::sin(phi1));
}

unsigned GreatCircleDistance(double lat1, double lon1, double lat2, double lon2) {
    return RoundWhole(GreatCircleAngle(lat1, lon1, lat2, lon2) * units::kNauticalMilesPerRadian);
}

unsigned GreatCircleTrack(double lat1, double lon1, double lat2, double lon2) {
    const double phi1 = lat1 * units::kDegreesToRadians;
    const double phi2 = lat2 * units::kDegreesToRadians;
    const double deltaLambda = lon2 * units::kDegreesToRadians - lon1 * units::kDegreesToRadians;
    const double d = GreatCircleAngle(lat1, lon1, lat2, lon2);
    const double denominator = std::cos(phi1) * std::sin(d);
    if (std::fabs(denominator) < kZeroDenominator)
        return 0;
    const double t =
        ClampedArcCosine((std::sin(phi2) - std::cos(d) * std::sin(phi1)) / denominator);
    const double track = std::sin(deltaLambda) < 0 ? t : units::kFullCircle - t;
    return RoundWhole(track * units::kRadiansToDegrees);
}
