#pragma once
// The whole content of aircraft.db: the types, the aircraft and the two id counters.

#include "core/weight-balance/Aircraft.h"
#include "core/weight-balance/AircraftType.h"

#include <QList>

struct AircraftFleet {
    int nextTypeId = 1; // ids are handed out from these and never reused
    int nextAircraftId = 1;
    QList<AircraftType> types;
    QList<Aircraft> aircraft;

    bool operator==(const AircraftFleet&) const = default;
};

// The fleet of a fresh installation: the type "C172" (id 1) and the aircraft "N123A" (id 1).
AircraftFleet DefaultAircraftFleet();

// The first type with the id, or the first aircraft with the ident (compared exactly); nullptr
// when there is none.
const AircraftType* FindFleetType(const AircraftFleet& fleet, int id);
const Aircraft* FindFleetAircraft(const AircraftFleet& fleet, const QString& ident);
