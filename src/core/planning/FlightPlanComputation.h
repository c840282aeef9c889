#pragma once
// The flight plan from the view's inputs: the wind is checked, the route's points are looked up
// and every leg gets its distance, tracks, wind-corrected heading and ground speed, time, the fuel
// used so far (by the aircraft type's burn per hour) and the elapsed time.

#include "core/common/Outcome.h"
#include "core/planning/PlanInputs.h"
#include "core/planning/PlanLeg.h"

#include <QList>

class RoutePlaces;

inline constexpr const char* kTooManyPointsText = "Only the first 25 points of the route are used.";

struct PlanComputation {
    FlightPlan plan;
    // Shown while the plan still stands: too many points, a wind no heading can hold on some leg
    // (each at most once).
    QList<Message> notices;
};

// The wind of the inputs, checked first and in this order: a direction above 360 (or below 0)
// gives "Error: Invalid wind heading (%.0f)", a speed above 90 (or below 0) "Error: Invalid wind
// speed (%.0f)", both with the information icon. The plan shown before then stays.
Status CheckPlanWind(const PlanInputs& inputs);

// Computes the plan (after the wind check). An identifier no kind knows stops it with
// "Identifier X not found." (warning icon): the plan is then empty. Only the first
// kMaxPlanPoints points are used.
Outcome<PlanComputation> ComputeFlightPlan(const PlanInputs& inputs, double fuelBurn,
                                           const RoutePlaces& places);

// An angle in degrees brought into 0..360: 360 is subtracted above 360 and added below 0.
double NormaliseDegrees(double angle);
