#include "core/weight-balance/AircraftEntry.h"

#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/EntryField.h"

namespace {

Outcome<Aircraft> Refuse(const char* text) {
    return Outcome<Aircraft>::Fail(QString::fromUtf8(text), MessageIcon::Information);
}

} // namespace

AircraftEntry AircraftEntryFrom(const Aircraft& aircraft) {
    return {aircraft.typeId, aircraft.ident, EntryCellText(aircraft.emptyWeight),
            EntryCellText(aircraft.emptyArm), EntryCellText(aircraft.emptyLateralArm)};
}

Outcome<Aircraft> ReadAircraftEntry(const AircraftEntry& entry, const Aircraft& original,
                                    const QString& identAtOpening, const AircraftStore& store) {
    const AircraftEntry shown = AircraftEntryFrom(original);
    Aircraft a = original;
    a.typeId = entry.typeId;
    a.ident = entry.ident.left(AircraftEntry::kMaxIdentLength);
    a.emptyWeight = ReadEntryNumber(entry.emptyWeight, shown.emptyWeight, original.emptyWeight);
    a.emptyArm = ReadEntryNumber(entry.emptyArm, shown.emptyArm, original.emptyArm);
    a.emptyLateralArm =
        ReadEntryNumber(entry.emptyLateralArm, shown.emptyLateralArm, original.emptyLateralArm);
    if (a.ident.isEmpty())
        return Refuse("Error:\nYou must specify a name for this aircraft.");
    if (a.ident != identAtOpening && store.FindAircraftByIdent(a.ident))
        return Refuse("An aircraft with this ident already exists.");
    if (a.emptyWeight == 0.0)
        return Refuse("Please enter an empty weight for the aircraft.");
    if (a.emptyArm == 0.0)
        return Refuse("Please enter an ARM for the aircraft.");
    const AircraftType* type = store.FindAircraftType(a.typeId);
    if (type && a.emptyWeight > type->maxRampWeight)
        return Refuse("The specified empty weight is greater then the maximum weight for the "
                      "aircraft type.");
    return a;
}
