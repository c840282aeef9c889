#include "core/weight-balance/LimitCheck.h"

#include <algorithm>

namespace {

// Points up to the count and before the first point with an arm of 0.
int UsablePoints(const AircraftType& type) {
    const int count = std::clamp(type.envelopeCount, 0, AircraftType::kMaxEnvelopePoints);
    for (int i = 0; i < count; ++i) {
        if (type.envelope[i].arm == 0.0)
            return i;
    }
    return count;
}

// The forward limit on a rising segment; at a segment whose points are equally heavy (it lies
// at exactly the weight looked up) its forward-most arm.
double ForwardArm(const EnvelopePoint& p, const EnvelopePoint& q, double w) {
    if (p.weight == q.weight)
        return std::min(p.arm, q.arm);
    return p.arm + (w - p.weight) / (q.weight - p.weight) * (q.arm - p.arm);
}

void CheckCg(const AircraftType& type, double weight, double cg, const char* phase, bool& flag,
             bool& ok, QString& message) {
    const CgLimits limits = CgLimitsAtWeight(type, weight);
    if (cg > limits.aft) {
        message = QString::fromLatin1(phase) + QStringLiteral(" CG is too far rear.");
        flag = ok = false;
    }
    if (cg < limits.forward) {
        message = QString::fromLatin1(phase) + QStringLiteral(" CG is too far forward.");
        flag = ok = false;
    }
}

} // namespace

CgLimits CgLimitsAtWeight(const AircraftType& type, double weight) {
    const auto& p = type.envelope;
    const int n = UsablePoints(type);
    CgLimits limits;
    int i = 0;
    while (i + 1 < n && !(p[i].weight <= weight && p[i + 1].weight >= weight))
        ++i;
    if (i + 1 >= n)
        return limits;
    limits.forward = ForwardArm(p[i], p[i + 1], weight);

    int j = 0;
    while (j + 1 < n && !(p[j].weight >= weight && p[j + 1].weight <= weight))
        ++j;
    if (j + 1 >= n)
        return limits;
    if (p[j].arm == p[j + 1].arm)
        limits.aft = p[j].arm;
    else if (p[j].weight == p[j + 1].weight)
        limits.aft = std::max(p[j].arm, p[j + 1].arm);
    else
        limits.aft = p[j + 1].arm + (p[j].arm - p[j + 1].arm) / (p[j].weight - p[j + 1].weight) *
                                        (weight - p[j + 1].weight);
    return limits;
}

bool CheckLimits(AircraftType& type, QString& message) {
    LoadingResults& r = type.results;
    message = QStringLiteral("Aircraft is within limits.");
    r.rampWithinLimits = r.zeroFuelWithinLimits = true;
    r.takeoffWithinLimits = r.landingWithinLimits = true;
    bool ok = true;
    for (int i = 0; i < std::clamp(type.stationCount, 0, AircraftType::kMaxStations); ++i) {
        const Station& s = type.stations[i];
        if (s.maxWeight != 0.0 && s.weight > s.maxWeight) {
            message = s.name + QStringLiteral(" is over weight.");
            ok = false;
        }
    }
    if (r.rampWeight > type.maxRampWeight) {
        message = QStringLiteral("Aircraft exceeds max ramp weight.");
        r.rampWithinLimits = ok = false;
    }
    if (type.maxZeroFuelWeight != 0.0 && r.zeroFuelWeight > type.maxZeroFuelWeight) {
        message = QStringLiteral("Aircraft exceeds max zero fuel weight.");
        r.zeroFuelWithinLimits = ok = false;
    }
    if (r.takeoffWeight > type.maxTakeoffWeight) {
        message = QStringLiteral("Aircraft exceeds max takeoff weight.");
        r.takeoffWithinLimits = ok = false;
    } else {
        CheckCg(type, r.takeoffWeight, r.takeoffCg, "Takeoff", r.takeoffWithinLimits, ok, message);
    }
    if (r.landingWeight > type.maxLandingWeight) {
        message = QStringLiteral("Aircraft exceeds max landing weight.");
        r.landingWithinLimits = ok = false;
    } else {
        CheckCg(type, r.landingWeight, r.landingCg, "Landing", r.landingWithinLimits, ok, message);
    }
    return ok;
}
