#pragma once
// What the "Aircraft List" does to the store: new and copied records, the delete questions and
// storing what the editors hand back. Every change is saved by the store at once; an edit that
// changed nothing is not stored, so the file is not rewritten.

#include "core/common/Outcome.h"
#include "core/weight-balance/AircraftStore.h"

#include <QDateTime>

#include <cstdint>

// A new type: every field 0, in kilograms and centimetres when values are shown in metric.
AircraftType NewAircraftType(bool metric);
// A new aircraft of the type.
Aircraft NewAircraft(int typeId);
// A copy handed to an editor as a new record: everything but the id.
AircraftType CopyAsNew(const AircraftType& type);
Aircraft CopyAsNew(const Aircraft& aircraft);

// Seconds since 2000-01-01 00:00 UTC (0 before it, the largest 32-bit count after its end).
uint32_t LastChangeSeconds(const QDateTime& utc);

// Stores a type from the editor with its time of last change set to `nowUtc`: a new one is
// added, an edited one overwrites the store's type of the same id unless nothing changed.
Status StoreNewType(AircraftStore& store, AircraftType& type, const QDateTime& nowUtc);
Status StoreEditedType(AircraftStore& store, const AircraftType& type, const QDateTime& nowUtc);
// Overwrites the store's aircraft of the same id unless nothing changed.
Status StoreEditedAircraft(AircraftStore& store, const Aircraft& aircraft);

// The question asked before deleting an aircraft.
QString DeleteAircraftQuestion(const Aircraft& aircraft);
// The question asked before deleting a type, or the refusal when it is the only type.
Outcome<QString> DeleteTypeQuestion(const AircraftStore& store, const AircraftType& type);
