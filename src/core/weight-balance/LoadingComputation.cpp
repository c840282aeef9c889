#include "core/weight-balance/LoadingComputation.h"

#include "core/common/Constants.h"

#include <algorithm>

namespace {

// Conversion of the density preference to the type's units, by [kilos per litre][kilograms]
// [litres].
constexpr double kDensityConversion[2][2][2] = {
    {{1.0, units::kLitresToUsGallons}, {0.4536, units::kPoundsPerGallonToKilosPerLitre}},
    {{units::kKilosPerLitreToPoundsPerGallon, 2.2046}, {3.786, 1.0}},
};

// Weight, moment and lateral moment summed over the parts of one phase.
struct PhaseSums {
    double weight = 0.0;
    double moment = 0.0;
    double lateralMoment = 0.0;
};

void FillGroup(FuelGroup& g, const FuelTank& tank, double quantity, double factor,
               PhaseSums& sums) {
    g.quantity = quantity;
    g.fuelWeight = quantity * factor;
    g.arm = TankArmAtQuantity(tank, quantity);
    g.moment = g.fuelWeight * g.arm;
    g.lateralMoment = g.fuelWeight * tank.lateralOffset;
    sums.weight += g.fuelWeight;
    sums.moment += g.moment;
    sums.lateralMoment += g.lateralMoment;
}

// A weight of 0 has no centre of gravity; 0 then stands for "none" (nothing is plotted).
double Centre(double moment, double weight) {
    return weight == 0.0 ? 0.0 : moment * (1.0 / weight);
}

} // namespace

double FuelDensityFactor(const AircraftType& type, const AppSettings& settings) {
    if (type.flags.Has(TypeFlags::FuelByWeight))
        return 1.0;
    const double density =
        type.flags.Has(TypeFlags::JetFuel) ? settings.jetDensity : settings.avgasDensity;
    const double conversion =
        kDensityConversion[settings.kilosPerLitre ? 1 : 0]
                          [type.flags.Has(TypeFlags::WeightInKilograms) ? 1 : 0]
                          [type.flags.Has(TypeFlags::FuelInLitres) ? 1 : 0];
    return conversion == 1.0 ? density : density * conversion;
}

double TankArmAtQuantity(const FuelTank& tank, double q) {
    const auto& rows = tank.rows;
    if (rows.empty())
        return tank.arm;
    if (q > rows.back().capacity)
        return rows.back().arm;
    if (q <= rows[0].capacity)
        return rows[0].arm;
    for (int k = 1; k < rows.size(); ++k) {
        const TankArmRow& below = rows[k - 1];
        const TankArmRow& row = rows[k];
        if (q <= row.capacity) {
            if (q == row.capacity)
                return row.arm;
            return below.arm +
                   (q - below.capacity) / (row.capacity - below.capacity) * (row.arm - below.arm);
        }
    }
    return rows.back().arm;
}

double PercentMac(const AircraftType& type, double arm) {
    if (type.macLength == 0.0)
        return 0.0;
    return (arm - type.macLeadingEdge) / type.macLength * 100.0;
}

namespace {

// Zero fuel weight, moment and lateral moment: the empty aircraft and the stations.
PhaseSums ZeroFuel(const AircraftType& type, const Aircraft& aircraft, const Loading& loading,
                   LoadingResults& r) {
    PhaseSums sums{aircraft.emptyWeight, aircraft.emptyWeight * aircraft.emptyArm,
                   aircraft.emptyWeight * aircraft.emptyLateralArm};
    for (int i = 0; i < type.stations.size(); ++i) {
        const Station& s = type.stations[i];
        const double weight = loading.stationWeights[i];
        const StationMoments m{weight * s.arm, weight * s.lateralOffset};
        r.stations.append(m);
        sums.moment += m.moment;
        sums.lateralMoment += m.lateralMoment;
        sums.weight += weight;
    }
    return sums;
}

} // namespace

ComputedLoading ComputeLoading(const AircraftType& type, const Aircraft& aircraft,
                               const Loading& loading, const AppSettings& settings) {
    ComputedLoading computed;
    LoadingResults& r = computed.results;
    const PhaseSums zero = ZeroFuel(type, aircraft, loading, r);
    r.zeroFuelWeight = zero.weight;
    r.zeroFuelCg = Centre(zero.moment, zero.weight);
    r.zeroFuelLateralCg = Centre(zero.lateralMoment, zero.weight);

    const double factor = FuelDensityFactor(type, settings);
    PhaseSums ramp, takeoff, landing;
    for (int i = 0; i < type.tanks.size(); ++i) {
        const FuelTank& tank = type.tanks[i];
        const TankLoad& load = loading.tanks[i];
        // Fuel cannot go below empty: more start-up fuel or burn than loaded leaves 0.
        const double takeoffQuantity = std::max(0.0, load.rampQuantity - tank.startupQuantity);
        const double landingQuantity = std::max(0.0, takeoffQuantity - load.burn);
        TankFuel fuel;
        FillGroup(fuel.ramp, tank, load.rampQuantity, factor, ramp);
        FillGroup(fuel.takeoff, tank, takeoffQuantity, factor, takeoff);
        FillGroup(fuel.landing, tank, landingQuantity, factor, landing);
        r.tanks.append(fuel);
    }
    const double zeroFuel = r.zeroFuelWeight;
    r.rampFuelWeight = ramp.weight;
    r.rampWeight = zeroFuel + ramp.weight;
    r.rampCg = Centre(ramp.moment + zero.moment, r.rampWeight);
    r.rampLateralCg = Centre(ramp.lateralMoment + zero.lateralMoment, r.rampWeight);
    r.takeoffWeight = zeroFuel + takeoff.weight;
    r.takeoffCg = Centre(takeoff.moment + zero.moment, r.takeoffWeight);
    r.takeoffLateralCg = Centre(takeoff.lateralMoment + zero.lateralMoment, r.takeoffWeight);
    r.landingWeight = zeroFuel + landing.weight;
    r.landingCg = Centre(landing.moment + zero.moment, r.landingWeight);
    r.landingLateralCg = Centre(landing.lateralMoment + zero.lateralMoment, r.landingWeight);

    const bool mac = type.macLeadingEdge != 0.0;
    r.rampMac = mac ? PercentMac(type, r.rampCg) : 0.0;
    r.takeoffMac = mac ? PercentMac(type, r.takeoffCg) : 0.0;
    r.landingMac = mac ? PercentMac(type, r.landingCg) : 0.0;

    computed.limits = CheckLimits(type, loading, r);
    return computed;
}
