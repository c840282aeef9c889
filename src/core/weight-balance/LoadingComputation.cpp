#include "core/weight-balance/LoadingComputation.h"

#include "core/common/Constants.h"
#include "core/weight-balance/LimitCheck.h"

#include <algorithm>

namespace {

// Conversion of the density preference to the type's units, by [kilos per litre][kilograms]
// [litres].
constexpr double kDensityConversion[2][2][2] = {
    {{1.0, units::kLitresToUsGallons}, {0.4536, units::kPoundsPerGallonToKilosPerLitre}},
    {{units::kKilosPerLitreToPoundsPerGallon, 2.2046}, {3.786, 1.0}},
};

struct PhaseSums {
    double fuelWeight = 0.0;
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
    sums.fuelWeight += g.fuelWeight;
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
    const int n = std::clamp(tank.rowCount, 0, FuelTank::kMaxRows);
    if (n == 0)
        return tank.arm;
    const auto& c = tank.rowCapacities;
    const auto& a = tank.rowArms;
    if (q > c[n - 1])
        return a[n - 1];
    if (q <= c[0])
        return a[0];
    for (int k = 1; k < n; ++k) {
        if (q <= c[k]) {
            if (q == c[k])
                return a[k];
            return a[k - 1] + (q - c[k - 1]) / (c[k] - c[k - 1]) * (a[k] - a[k - 1]);
        }
    }
    return a[n - 1];
}

double PercentMac(const AircraftType& type, double arm) {
    if (type.macLength == 0.0)
        return 0.0;
    return (arm - type.macLeadingEdge) / type.macLength * 100.0;
}

void ComputeLoading(AircraftType& type, double emptyWeight, double emptyArm, double emptyLateralArm,
                    const AppSettings& settings) {
    LoadingResults& r = type.results;
    double zeroFuel = emptyWeight;
    double moment = emptyWeight * emptyArm;
    double lateralMoment = emptyWeight * emptyLateralArm;
    for (int i = 0; i < std::clamp(type.stationCount, 0, AircraftType::kMaxStations); ++i) {
        Station& s = type.stations[i];
        s.moment = s.weight * s.arm;
        s.lateralMoment = s.weight * s.lateralOffset;
        moment += s.moment;
        lateralMoment += s.lateralMoment;
        zeroFuel += s.weight;
    }
    r.zeroFuelWeight = zeroFuel;
    r.zeroFuelCg = Centre(moment, zeroFuel);
    r.zeroFuelLateralCg = Centre(lateralMoment, zeroFuel);

    const double factor = FuelDensityFactor(type, settings);
    PhaseSums ramp, takeoff, landing;
    for (int i = 0; i < std::clamp(type.tankCount, 0, AircraftType::kMaxTanks); ++i) {
        FuelTank& tank = type.tanks[i];
        // Fuel cannot go below empty: more start-up fuel or burn than loaded leaves 0.
        const double takeoffQuantity = std::max(0.0, tank.rampQuantity - tank.startupQuantity);
        const double landingQuantity = std::max(0.0, takeoffQuantity - tank.burn);
        FillGroup(tank.ramp, tank, tank.rampQuantity, factor, ramp);
        FillGroup(tank.takeoff, tank, takeoffQuantity, factor, takeoff);
        FillGroup(tank.landing, tank, landingQuantity, factor, landing);
    }
    r.rampFuelWeight = ramp.fuelWeight;
    r.rampWeight = zeroFuel + ramp.fuelWeight;
    r.rampCg = Centre(ramp.moment + moment, r.rampWeight);
    r.rampLateralCg = Centre(ramp.lateralMoment + lateralMoment, r.rampWeight);
    r.takeoffWeight = zeroFuel + takeoff.fuelWeight;
    r.takeoffCg = Centre(takeoff.moment + moment, r.takeoffWeight);
    r.takeoffLateralCg = Centre(takeoff.lateralMoment + lateralMoment, r.takeoffWeight);
    r.landingWeight = zeroFuel + landing.fuelWeight;
    r.landingCg = Centre(landing.moment + moment, r.landingWeight);
    r.landingLateralCg = Centre(landing.lateralMoment + lateralMoment, r.landingWeight);

    const bool mac = type.macLeadingEdge != 0.0;
    r.rampMac = mac ? PercentMac(type, r.rampCg) : 0.0;
    r.takeoffMac = mac ? PercentMac(type, r.takeoffCg) : 0.0;
    r.landingMac = mac ? PercentMac(type, r.landingCg) : 0.0;

    QString discarded;
    CheckLimits(type, discarded);
}
