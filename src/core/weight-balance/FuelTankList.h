#pragma once
// Adding and deleting a type's tanks and custom fuel quantities in the type editor. A deleted
// tank takes its place in every fuel quantity and its start-up fuel with it, so the values of
// the tanks after it stay with their tanks.

#include "core/common/Outcome.h"
#include "core/weight-balance/AircraftType.h"

// Whether another tank may be added: fails with "There is a limit of 6 fuel tanks.".
Status CanAddTank(const AircraftType& type);
// Whether another fuel quantity may be added: fails with "There is a limit of 10 fuel
// quantities.".
Status CanAddFuelQuantity(const AircraftType& type);

// Removes the tank at `index` and its entry in each fuel quantity (the later entries move up,
// the last becomes 0). An index out of range changes nothing.
void DeleteTank(AircraftType& type, int index);
// Removes the fuel quantity at `index`; an index out of range changes nothing.
void DeleteFuelQuantity(AircraftType& type, int index);
