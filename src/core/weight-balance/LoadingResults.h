#pragma once
// The outcome of ComputeLoading for one loading: moments by station, fuel by tank and phase, and
// the weight and centre of gravity of the aircraft at zero fuel, ramp, take-off and landing.

#include "core/common/BoundedList.h"
#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/FuelGroup.h"

struct StationMoments {
    double moment = 0.0; // weight x arm
    double lateralMoment = 0.0;

    bool operator==(const StationMoments&) const = default;
};

// The fuel of one tank at ramp, take-off and landing.
struct TankFuel {
    FuelGroup ramp;
    FuelGroup takeoff;
    FuelGroup landing;

    bool operator==(const TankFuel&) const = default;
};

struct LoadingResults {
    BoundedList<StationMoments, AircraftType::kMaxStations> stations; // as the type's stations
    BoundedList<TankFuel, AircraftType::kMaxTanks> tanks;             // as the type's tanks
    double zeroFuelWeight = 0.0;
    double rampWeight = 0.0;
    double takeoffWeight = 0.0;
    double landingWeight = 0.0;
    double rampFuelWeight = 0.0;
    double rampMac = 0.0; // % MAC; 0 when the type has no MAC leading edge
    double takeoffMac = 0.0;
    double landingMac = 0.0;
    double zeroFuelCg = 0.0; // arms; 0 for a weight of 0
    double rampCg = 0.0;
    double takeoffCg = 0.0;
    double landingCg = 0.0;
    double zeroFuelLateralCg = 0.0;
    double rampLateralCg = 0.0;
    double takeoffLateralCg = 0.0;
    double landingLateralCg = 0.0;

    bool operator==(const LoadingResults&) const = default;
};
