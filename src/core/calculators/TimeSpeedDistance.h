#pragma once
// The "Time/Speed/Distance" and "Fuel Burn" calculators: leave one of the three values empty
// and it is computed from the two others.

#include "core/calculators/RateTimeAmount.h"

inline constexpr const char* kSpeedLabel = "Speed";
inline constexpr const char* kDistanceLabel = "Distance";
inline constexpr const char* kFuelBurnLabel = "Fuel burn";
inline constexpr const char* kFuelQuantityLabel = "Fuel quantity";

// Time/Speed/Distance: Speed, Distance (same unit, knots and nautical miles or any other pair)
// and Time (hh:mm). Distance = speed x time rounded to a tenth; Speed = distance / time;
// Time = distance / speed. Only a distance stops with "Please enter the speed or the time.".
CalcResult TimeSpeedDistance(const QString& speed, const QString& distance, const QString& time);

// Fuel Burn: Fuel burn (per hour), Fuel quantity and Time (hh:mm). Quantity = burn x time;
// Burn = quantity / time; Time = quantity / burn; only a burn gives a time of "0:00". Only a
// quantity stops with "Please enter the fuel burn or the time.".
CalcResult FuelBurn(const QString& fuelBurn, const QString& fuelQuantity, const QString& time);
