#pragma once
// The fuel choice of a loading: custom loads, a fraction of every tank's capacity, or one of the
// type's named fuel quantities.

#include "core/weight-balance/AircraftType.h"
#include "core/weight-balance/Loading.h"

#include <QString>

inline constexpr int kFuelCustom = -1;
inline constexpr int kFuelFull = 0;
inline constexpr int kFuelThreeQuarters = 1;
inline constexpr int kFuelHalf = 2;
inline constexpr int kFuelQuarter = 3;
inline constexpr int kFirstFuelQuantity = 4; // 4 + k: the type's k-th fuel quantity

// "Custom", "Full", "3/4", "1/2", "1/4" or the fuel quantity's title; "Custom" for a selection
// the type does not have.
QString FuelSelectionName(const AircraftType& type, int selection);

// The selection a name stands for: the fixed names first, then the first fuel quantity with
// that title; anything else is "Full".
int FuelSelectionFromName(const AircraftType& type, const QString& name);

// Makes `selection` the loading's fuel selection and, unless it is "Custom", sets the ramp
// quantity of every tank of the type from it. A selection the type does not have becomes
// "Custom" (loads kept).
void ApplyFuelSelection(const AircraftType& type, Loading& loading, int selection);
