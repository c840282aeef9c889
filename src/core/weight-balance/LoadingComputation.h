#pragma once
// Weight, moment and centre of gravity of a loading at zero fuel, ramp, take-off and landing.
// All arithmetic is in double precision in the type's own units; nothing is rounded here.

#include "core/common/settings/AppSettings.h"
#include "core/weight-balance/Aircraft.h"
#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/LimitCheck.h"
#include "core/weight-balance/Loading.h"
#include "core/weight-balance/LoadingResults.h"

// Weight (type's weight unit) of one unit of the type's fuel quantity: 1 for fuel by weight,
// else the Jet A or AvGas density preference converted to the type's units.
double FuelDensityFactor(const AircraftType& type, const AppSettings& settings);

// The tank's arm with `quantity` in it: the fixed arm without a table, else the table's arm,
// interpolated linearly between rows and held at the first and last rows beyond them.
double TankArmAtQuantity(const FuelTank& tank, double quantity);

// (arm - leading edge) / MAC length x 100; 0 when the MAC length is 0.
double PercentMac(const AircraftType& type, double arm);

// The results of a loading and the outcome of their limit checks.
struct ComputedLoading {
    LoadingResults results;
    LimitOutcome limits;

    bool operator==(const ComputedLoading&) const = default;
};

// The weights, moments and centres of gravity of the aircraft with the loading, and their limit
// checks. Take-off and landing quantities never go below 0: more start-up fuel or burn than is
// loaded leaves an empty tank.
[[nodiscard]] ComputedLoading ComputeLoading(const AircraftType& type, const Aircraft& aircraft,
                                             const Loading& loading, const AppSettings& settings);
