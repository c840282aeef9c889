#pragma once
// The fields of the "Aircraft" dialog and its OK checks: what the pilot typed becomes an
// Aircraft, or the message of the first check that fails.

#include "core/common/Outcome.h"
#include "core/weight-balance/Aircraft.h"

#include <QString>

class AircraftStore;

struct AircraftEntry {
    static constexpr int kMaxIdentLength = 8;

    int typeId = 0;
    QString ident;
    QString emptyWeight;
    QString emptyArm;
    QString emptyLateralArm;
};

// The fields as the dialog shows them for an aircraft ("%.1f", empty for 0).
AircraftEntry AircraftEntryFrom(const Aircraft& aircraft);

// Checks, in order: an ident, no other aircraft with a changed ident, an empty weight, an arm,
// the empty weight within the type's maximum ramp weight. `identAtOpening` is "" for a new or
// copied aircraft. The result keeps the id of `original`; a field still showing the text it was
// opened with keeps its exact value.
Outcome<Aircraft> ReadAircraftEntry(const AircraftEntry& entry, const Aircraft& original,
                                    const QString& identAtOpening, const AircraftStore& store);
