#pragma once
// Weight, moment and centre of gravity of a loading at zero fuel, ramp, take-off and landing.
// All arithmetic is in double precision in the type's own units; nothing is rounded here.

#include "core/common/AppSettings.h"
#include "core/weight-balance/Aircraft.h"
#include "core/weight-balance/AircraftType.h"

// Weight (type's weight unit) of one unit of the type's fuel quantity: 1 for fuel by weight,
// else the Jet A or AvGas density preference converted to the type's units.
double FuelDensityFactor(const AircraftType& type, const AppSettings& settings);

// The tank's arm with `quantity` in it: the fixed arm without a table, else the table's arm,
// interpolated linearly between rows and held at the first and last rows beyond them.
double TankArmAtQuantity(const FuelTank& tank, double quantity);

// (arm - leading edge) / MAC length x 100; 0 when the MAC length is 0.
double PercentMac(const AircraftType& type, double arm);

// Fills every working output of the type from its station weights and tank loads and burns
// (take-off and landing quantities never go below 0), then sets the four within-limits flags.
void ComputeLoading(AircraftType& type, double emptyWeight, double emptyArm, double emptyLateralArm,
                    const AppSettings& settings);

inline void ComputeLoading(AircraftType& type, const Aircraft& aircraft,
                           const AppSettings& settings) {
    ComputeLoading(type, aircraft.emptyWeight, aircraft.emptyArm, aircraft.emptyLateralArm,
                   settings);
}
