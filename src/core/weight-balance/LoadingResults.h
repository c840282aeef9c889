#pragma once
// The outputs of ComputeLoading and CheckLimits for one aircraft type's current loading.

struct LoadingResults {
    double zeroFuelWeight = 0.0;
    double rampWeight = 0.0;
    double takeoffWeight = 0.0;
    double landingWeight = 0.0;
    double rampFuelWeight = 0.0;
    double rampMac = 0.0; // % MAC; 0 when the type has no MAC leading edge
    double takeoffMac = 0.0;
    double landingMac = 0.0;
    double zeroFuelCg = 0.0; // arms
    double rampCg = 0.0;
    double takeoffCg = 0.0;
    double landingCg = 0.0;
    double zeroFuelLateralCg = 0.0;
    double rampLateralCg = 0.0;
    double takeoffLateralCg = 0.0;
    double landingLateralCg = 0.0;
    bool rampWithinLimits = false;
    bool zeroFuelWithinLimits = false;
    bool takeoffWithinLimits = false;
    bool landingWithinLimits = false;

    bool operator==(const LoadingResults&) const = default;
};
