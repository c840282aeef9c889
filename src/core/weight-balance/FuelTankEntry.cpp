#include "core/weight-balance/FuelTankEntry.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/EntryField.h"

namespace {

Outcome<FuelTank> Refuse(const QString& text) {
    return Outcome<FuelTank>::Fail(text, MessageIcon::Information);
}

} // namespace

FuelTankEntry FuelTankEntryFrom(const FuelTank& tank) {
    FuelTankEntry e;
    e.name = tank.name;
    e.capacity = EntryCellText(tank.capacity);
    e.variable = !tank.rows.empty();
    e.arm = EntryCellText(tank.arm);
    for (int i = 0; i < FuelTank::kMaxRows; ++i) {
        const TankArmRow row = i < tank.rows.size() ? tank.rows[i] : TankArmRow{};
        e.rows.append(row.capacity == 0.0
                          ? TankRowText{}
                          : TankRowText{EntryCellText(row.capacity), EntryCellText(row.arm)});
    }
    return e;
}

Outcome<FuelTank> ReadFuelTankEntry(const FuelTankEntry& entry, const FuelTank& original) {
    const FuelTankEntry shown = FuelTankEntryFrom(original);
    FuelTank t = original;
    t.name = entry.name.left(FuelTankEntry::kMaxNameLength);
    t.capacity = ReadEntryNumber(entry.capacity, shown.capacity, original.capacity);
    if (t.name.isEmpty())
        return Refuse(QStringLiteral("Please enter a name for this fuel tank."));
    if (t.capacity == 0.0)
        return Refuse(QStringLiteral("Please enter the capacity for this fuel tank."));
    t.rows.clear();
    if (!entry.variable) {
        t.arm = ReadEntryNumber(entry.arm, shown.arm, original.arm);
        if (t.arm == 0.0)
            return Refuse(QStringLiteral("Please enter the Arm for this fuel tank."));
        return t;
    }
    for (int i = 0; i < entry.rows.size() && !t.rows.full(); ++i) {
        const TankRowText& row = entry.rows[i];
        if (row.capacity.isEmpty() && row.arm.isEmpty())
            break;
        const int number = i + 1;
        const TankArmRow old = i < original.rows.size() ? original.rows[i] : TankArmRow{};
        const TankRowText was = i < shown.rows.size() ? shown.rows[i] : TankRowText{};
        if (row.capacity.isEmpty())
            return Refuse(FormatText("Please enter a capacity for row %i.", number));
        const TankArmRow read{ReadEntryNumber(row.capacity, was.capacity, old.capacity),
                              ReadEntryNumber(row.arm, was.arm, old.arm)};
        if (read.capacity > t.capacity)
            return Refuse(FormatText("Error:\nCapacity %i is over tank capacity.", number));
        if (!t.rows.empty() && read.capacity <= t.rows.back().capacity)
            return Refuse(FormatText("Error:\nThe capacity of row %i must be greater than the "
                                     "capacity of the row above.",
                                     number));
        if (row.arm.isEmpty())
            return Refuse(FormatText("Please enter an Arm for row %i.", number));
        t.rows.append(read);
    }
    return t;
}
