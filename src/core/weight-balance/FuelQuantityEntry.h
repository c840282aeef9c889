#pragma once
// The fields of the "Fuel Quantity" dialog and its OK checks: a title and a quantity for each
// of the type's tanks (up to the first tank without a name).

#include "core/common/Outcome.h"
#include "core/weight-balance/AircraftType.h"

#include <QList>
#include <QString>

struct FuelQuantityEntry {
    static constexpr int kMaxTitleLength = 15;

    QString title;
    QList<QString> quantities; // one a listed tank
};

// The tanks the dialog lists: those before the first tank with an empty name.
int ListedTankCount(const AircraftType& type);

// The fields for a fuel quantity ("%.0f" quantities).
FuelQuantityEntry FuelQuantityEntryFrom(const FuelQuantity& quantity, const AircraftType& type);

// Checks, in order: a title, then for each listed tank a quantity no more than its capacity.
Outcome<FuelQuantity> ReadFuelQuantityEntry(const FuelQuantityEntry& entry,
                                            const FuelQuantity& original, const AircraftType& type);
