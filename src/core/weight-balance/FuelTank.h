#pragma once
// One fuel tank of an aircraft type: its stored description (capacity, fixed arm or arm table,
// start-up fuel) and the working fields of the current loading.

#include "core/weight-balance/FuelGroup.h"

#include <QString>

#include <array>

struct FuelTank {
    static constexpr int kMaxRows = 20;

    QString name; // at most 15 characters
    double capacity = 0.0;
    double arm = 0.0; // used when the tank has no arm table
    double lateralOffset = 0.0;
    double rampQuantity = 0.0; // working: fuel loaded
    double startupQuantity = 0.0;
    double burn = 0.0; // working: fuel used in flight
    FuelGroup ramp;    // working, filled by ComputeLoading
    FuelGroup takeoff;
    FuelGroup landing;
    int rowCount = 0;                             // rows of the arm table, 0 to kMaxRows
    std::array<double, kMaxRows> rowCapacities{}; // ascending quantities
    std::array<double, kMaxRows> rowArms{};

    bool operator==(const FuelTank&) const = default;
};
