#pragma once
// The fields of the "Fuel Tank" dialog and its OK checks: a fixed arm, or a table of arms by
// the quantity in the tank, whose capacities must rise from row to row (the loading
// computation interpolates between neighbouring rows).

#include "core/common/Outcome.h"
#include "core/weight-balance/FuelTank.h"

#include <QList>
#include <QString>

struct TankRowText {
    QString capacity;
    QString arm;
    bool operator==(const TankRowText&) const = default;
};

struct FuelTankEntry {
    static constexpr int kMaxNameLength = 15;

    QString name;
    QString capacity;
    bool variable = false; // "Arm type:" "Fixed" or "Variable"
    QString arm;
    QList<TankRowText> rows; // the table's rows, 20
};

// The fields for a tank: "%.1f" values, the table's 20 rows ("%.1f" for non-zero capacities).
FuelTankEntry FuelTankEntryFrom(const FuelTank& tank);

// Checks, in order: a name, a capacity, then the fixed arm or the table rows (each with a
// capacity no more than the tank's and greater than the row above, and an arm). A field still
// showing the text it was filled with keeps its exact value.
Outcome<FuelTank> ReadFuelTankEntry(const FuelTankEntry& entry, const FuelTank& original);
