#include "core/weight-balance/LimitCheck.h"

#include <algorithm>

namespace {

// Points before the first point with an arm of 0.
int UsablePoints(const AircraftType& type) {
    const auto end = std::find_if(type.envelope.begin(), type.envelope.end(),
                                  [](const EnvelopePoint& p) { return p.arm == 0.0; });
    return static_cast<int>(end - type.envelope.begin());
}

// The forward limit on a rising segment; at a segment whose points are equally heavy (it lies
// at exactly the weight looked up) its forward-most arm.
double ForwardArm(const EnvelopePoint& p, const EnvelopePoint& q, double w) {
    if (p.weight == q.weight)
        return std::min(p.arm, q.arm);
    return p.arm + (w - p.weight) / (q.weight - p.weight) * (q.arm - p.arm);
}

void Fail(LimitOutcome& outcome, const QString& message, bool* phase = nullptr) {
    outcome.message = message;
    outcome.withinLimits = false;
    if (phase)
        *phase = false;
}

void CheckCg(const AircraftType& type, double weight, double cg, const char* phase, bool& flag,
             LimitOutcome& outcome) {
    const CgLimits limits = CgLimitsAtWeight(type, weight);
    if (cg > limits.aft)
        Fail(outcome, QString::fromLatin1(phase) + QStringLiteral(" CG is too far rear."), &flag);
    if (cg < limits.forward)
        Fail(outcome, QString::fromLatin1(phase) + QStringLiteral(" CG is too far forward."),
             &flag);
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

LimitOutcome CheckLimits(const AircraftType& type, const Loading& loading,
                         const LoadingResults& r) {
    LimitOutcome outcome;
    outcome.message = QStringLiteral("Aircraft is within limits.");
    PhaseLimits& phases = outcome.phases;
    for (int i = 0; i < type.stations.size(); ++i) {
        const Station& s = type.stations[i];
        if (s.maxWeight != 0.0 && loading.stationWeights[i] > s.maxWeight)
            Fail(outcome, s.name + QStringLiteral(" is over weight."));
    }
    if (r.rampWeight > type.maxRampWeight)
        Fail(outcome, QStringLiteral("Aircraft exceeds max ramp weight."), &phases.ramp);
    if (type.maxZeroFuelWeight != 0.0 && r.zeroFuelWeight > type.maxZeroFuelWeight)
        Fail(outcome, QStringLiteral("Aircraft exceeds max zero fuel weight."), &phases.zeroFuel);
    if (r.takeoffWeight > type.maxTakeoffWeight)
        Fail(outcome, QStringLiteral("Aircraft exceeds max takeoff weight."), &phases.takeoff);
    else
        CheckCg(type, r.takeoffWeight, r.takeoffCg, "Takeoff", phases.takeoff, outcome);
    if (r.landingWeight > type.maxLandingWeight)
        Fail(outcome, QStringLiteral("Aircraft exceeds max landing weight."), &phases.landing);
    else
        CheckCg(type, r.landingWeight, r.landingCg, "Landing", phases.landing, outcome);
    return outcome;
}
