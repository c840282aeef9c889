#include "core/weight-balance/GraphMarkers.h"

#include "core/weight-balance/LimitCheck.h"

namespace {

bool InEnvelope(const AircraftType& type, double weight, double cg, double maxWeight) {
    const CgLimits limits = CgLimitsAtWeight(type, weight);
    return cg >= limits.forward && cg <= limits.aft && weight <= maxWeight;
}

} // namespace

QList<GraphMarker> MakeGraphMarkers(const AircraftType& type, const LoadingResults& r,
                                    uint32_t options) {
    using namespace graph_options;
    using enum MarkerColour;
    QList<GraphMarker> all;
    if (options & kRamp)
        all.append(
            {'R', r.rampWeight, r.rampCg, r.rampWeight > type.maxRampWeight ? Red : Magenta});
    if (options & kTakeoff)
        all.append(
            {'T', r.takeoffWeight, r.takeoffCg,
             InEnvelope(type, r.takeoffWeight, r.takeoffCg, type.maxTakeoffWeight) ? Green : Red});
    if (options & kLanding)
        all.append(
            {'L', r.landingWeight, r.landingCg,
             InEnvelope(type, r.landingWeight, r.landingCg, type.maxLandingWeight) ? Navy : Red});
    if (options & kZeroFuel) {
        const bool over =
            type.maxZeroFuelWeight != 0.0 && r.zeroFuelWeight > type.maxZeroFuelWeight;
        all.append({'Z', r.zeroFuelWeight, r.zeroFuelCg, over ? Red : Black});
    }
    QList<GraphMarker> shown;
    for (const GraphMarker& m : all) {
        if (m.weight * m.arm != 0.0)
            shown.append(m);
    }
    return shown;
}

QList<WeightLine> MakeWeightLines(const AircraftType& type) {
    QList<WeightLine> lines;
    const struct {
        const char* label;
        double weight;
    } maxima[] = {{"MZFW", type.maxZeroFuelWeight}, {"MLW", type.maxLandingWeight}};
    for (const auto& m : maxima) {
        if (m.weight == 0.0 || m.weight >= type.maxRampWeight)
            continue;
        const CgLimits limits = CgLimitsAtWeight(type, m.weight);
        lines.append({QString::fromLatin1(m.label), m.weight, limits.forward, limits.aft});
    }
    return lines;
}
