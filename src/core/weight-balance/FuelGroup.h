#pragma once
// The fuel of one tank at one moment of a flight (ramp, take-off or landing), as computed for
// the current loading.

struct FuelGroup {
    double quantity = 0.0;   // in the type's fuel unit
    double fuelWeight = 0.0; // in the type's weight unit
    double arm = 0.0;
    double moment = 0.0;
    double lateralMoment = 0.0;

    bool operator==(const FuelGroup&) const = default;
};
