#include "core/weight-balance/FuelQuantityEntry.h"

#include "core/common/text/Format.h"
#include "core/weight-balance/EntryField.h"

int ListedTankCount(const AircraftType& type) {
    int count = 0;
    while (count < type.tanks.size() && !type.tanks[count].name.isEmpty())
        ++count;
    return count;
}

FuelQuantityEntry FuelQuantityEntryFrom(const FuelQuantity& quantity, const AircraftType& type) {
    FuelQuantityEntry e;
    e.title = quantity.title;
    for (int i = 0; i < ListedTankCount(type); ++i)
        e.quantities.append(FormatText("%.0f", quantity.quantities[static_cast<size_t>(i)]));
    return e;
}

Outcome<FuelQuantity> ReadFuelQuantityEntry(const FuelQuantityEntry& entry,
                                            const FuelQuantity& original,
                                            const AircraftType& type) {
    const FuelQuantityEntry shown = FuelQuantityEntryFrom(original, type);
    FuelQuantity q = original;
    q.title = entry.title.left(FuelQuantityEntry::kMaxTitleLength);
    if (q.title.isEmpty())
        return Outcome<FuelQuantity>::Fail(
            QStringLiteral("Please enter a title for this quantity."), MessageIcon::Information);
    for (int i = 0; i < ListedTankCount(type); ++i) {
        const FuelTank& tank = type.tanks[i];
        const QString text = i < entry.quantities.size() ? entry.quantities[i] : QString();
        double& value = q.quantities[static_cast<size_t>(i)];
        if (text.trimmed().isEmpty())
            return Outcome<FuelQuantity>::Fail(QStringLiteral("Please enter a quantity for ") +
                                                   tank.name,
                                               MessageIcon::Information);
        value = ReadEntryNumber(text, shown.quantities[i], value);
        if (value > tank.capacity)
            return Outcome<FuelQuantity>::Fail(QStringLiteral("Error:\nQuantity for ") + tank.name +
                                                   QStringLiteral(" is over capacity."),
                                               MessageIcon::Information);
    }
    return q;
}
