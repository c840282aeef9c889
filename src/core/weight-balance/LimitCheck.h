#pragma once
// The checks of a computed loading against the type's maximum weights and CG envelope.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/Loading.h"
#include "core/weight-balance/LoadingResults.h"

#include <QString>

struct CgLimits {
    double forward = 0.0;
    double aft = 0.0;

    bool operator==(const CgLimits&) const = default;
};

// The forward and aft CG limits at a weight: the forward limit on the first rising segment of
// the envelope that spans the weight, the aft limit on the first falling one. Both are 0 when
// no rising segment spans the weight; the aft limit alone is 0 when no falling one does. On a
// segment whose two points both lie at exactly that weight, the whole segment is within the
// envelope: its forward-most arm is the forward limit and its aft-most arm the aft limit.
CgLimits CgLimitsAtWeight(const AircraftType& type, double weight);

// Which phases of a loading are within their limits.
struct PhaseLimits {
    bool ramp = true;
    bool zeroFuel = true;
    bool takeoff = true;
    bool landing = true;

    bool operator==(const PhaseLimits&) const = default;
};

// The result of the limit checks: whether every check passed, the status message and the
// phases' flags.
struct LimitOutcome {
    bool withinLimits = true;
    QString message;
    PhaseLimits phases;

    bool operator==(const LimitOutcome&) const = default;
};

// Checks computed results against the type: the status message is the last failure of the
// station, ramp, zero fuel, take-off and landing checks, or "Aircraft is within limits.". An
// overweight station fails the whole check but no phase. A value equal to its limit passes.
[[nodiscard]] LimitOutcome CheckLimits(const AircraftType& type, const Loading& loading,
                                       const LoadingResults& results);
