#pragma once
// One fuel tank of an aircraft type, as stored: capacity, fixed arm or arm table, start-up fuel.
// The fuel loaded and burnt belongs to the current Loading, the fuel by phase to the results.

#include "core/common/BoundedList.h"

#include <QString>

// One row of a tank's arm table: the arm with `capacity` in the tank.
struct TankArmRow {
    double capacity = 0.0;
    double arm = 0.0;

    bool operator==(const TankArmRow&) const = default;
};

struct FuelTank {
    static constexpr int kMaxRows = 20;

    QString name; // at most 15 characters
    double capacity = 0.0;
    double arm = 0.0; // used when the tank has no arm table
    double lateralOffset = 0.0;
    double startupQuantity = 0.0;
    BoundedList<TankArmRow, kMaxRows> rows; // ascending capacities; empty = fixed arm

    bool operator==(const FuelTank&) const = default;
};
