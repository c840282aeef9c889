#pragma once
// One corner of the lateral envelope of a rotary-wing type.

struct LateralPoint {
    double arm = 0.0;
    double lateralOffset = 0.0;

    bool operator==(const LateralPoint&) const = default;
};
