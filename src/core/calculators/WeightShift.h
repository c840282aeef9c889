#pragma once
// The "Weight Shift" calculator: how far a weight must move to shift the centre of gravity by a
// distance, or how much weight must move a given distance.

#include "core/calculators/CalcResult.h"

inline constexpr const char* kAircraftWeightLabel = "Aircraft weight";
inline constexpr const char* kArmDistanceLabel = "Arm distance";
inline constexpr const char* kWeightToMoveLabel = "Weight to move";
inline constexpr const char* kDistanceToMoveLabel = "Distance to move";

// From Aircraft weight W, Arm distance A (how far the weight moves), Weight to move w and
// Distance to move c (the centre-of-gravity shift): with w empty, Weight to move = c / A x W;
// otherwise Distance to move = w / W x A, shown "%.1f". Stops with its message when W or A is
// missing (focusLabel names the field) or when w and c are both given or both missing.
CalcResult WeightShift(const QString& aircraftWeight, const QString& armDistance,
                       const QString& weightToMove, const QString& distanceToMove);
