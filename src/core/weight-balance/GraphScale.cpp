#include "core/weight-balance/GraphScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kWeightSteps[] = {10, 20, 25, 50, 75, 100, 150, 200, 250, 500, 1000};
constexpr double kArmSteps[] = {0.5, 1, 2, 3, 5, 10, 20, 25, 50, 75, 100};
constexpr double kFewestSteps = 5.0;
constexpr double kMostSteps = 10.0;
// Ticks of a scale at most; only an absurd envelope (a damaged file) comes near it.
constexpr qsizetype kMaxTicks = 1000;

bool Fits(double range, double step) {
    const double count = range / step;
    return count >= kFewestSteps && count <= kMostSteps;
}

// How far a count of steps lies outside 5..10, as a ratio (1 = inside).
double Misfit(double count) {
    if (count <= 0.0)
        return std::numeric_limits<double>::infinity();
    return std::max({kFewestSteps / count, count / kMostSteps, 1.0});
}

} // namespace

double WeightScaleStep(double range) {
    for (double step : kWeightSteps) {
        if (Fits(range, step))
            return step;
    }
    double best = kWeightSteps[0];
    for (double step : kWeightSteps) {
        if (Misfit(range / step) < Misfit(range / best))
            best = step;
    }
    return best;
}

double ArmScaleStep(double range) {
    for (double step : kArmSteps) {
        if (Fits(range, step))
            return step;
    }
    return 1.0;
}

std::optional<GraphScale> ComputeGraphScale(const AircraftType& type, const LoadingResults& r) {
    double largestWeight = 0.0, smallestWeight = 0.0, largestArm = 0.0, smallestArm = 0.0;
    for (int i = 0; i < type.envelope.size() && type.envelope[i].weight != 0.0; ++i) {
        const EnvelopePoint& p = type.envelope[i];
        largestWeight = i == 0 ? p.weight : std::max(largestWeight, p.weight);
        smallestWeight = i == 0 ? p.weight : std::min(smallestWeight, p.weight);
        largestArm = i == 0 ? p.arm : std::max(largestArm, p.arm);
        smallestArm = i == 0 ? p.arm : std::min(smallestArm, p.arm);
    }
    if (largestWeight == 0.0 || largestArm == 0.0)
        return std::nullopt;

    if (r.rampWeight != 0.0 && r.rampWeight > largestWeight)
        largestWeight = r.rampWeight;
    if (r.rampCg != 0.0) {
        smallestArm = std::min(smallestArm, r.rampCg);
        largestArm = std::max(largestArm, r.rampCg);
    }

    GraphScale s;
    s.topWeight = std::trunc((largestWeight * 0.01 + 1.0) * 100.0);
    s.bottomWeight = smallestWeight;
    s.leftArm = std::floor(smallestArm - 0.1);
    s.rightArm = std::ceil(largestArm + 0.1);
    s.weightStep = WeightScaleStep(s.topWeight - s.bottomWeight);
    s.armStep = ArmScaleStep(s.rightArm - s.leftArm);
    return s;
}

QList<double> GraphScale::WeightTicks() const {
    QList<double> ticks;
    if (weightStep <= 0.0)
        return ticks;
    for (double v = bottomWeight; v <= topWeight && ticks.size() < kMaxTicks;) {
        ticks.append(v);
        const double rest = std::fmod(v, weightStep);
        const double next = rest == 0.0 ? v + weightStep : v + weightStep - rest;
        if (!(next > v))
            break; // too large a value for the step to move it
        v = next;
    }
    return ticks;
}

QList<double> GraphScale::ArmTicks() const {
    QList<double> ticks;
    if (armStep <= 0.0)
        return ticks;
    for (double a = leftArm; a <= rightArm && ticks.size() < kMaxTicks; a += armStep) {
        ticks.append(a);
        if (!(a + armStep > a))
            break;
    }
    return ticks;
}
