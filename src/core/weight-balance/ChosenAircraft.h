#pragma once
// The aircraft the pilot has chosen in weight and balance, for the logbook: the one weight.txt
// names (the view keeps that file in step with its choice), else the one the view starts with,
// the first aircraft of the fleet. Empty texts when the fleet has no aircraft.

#include "core/weight-balance/AircraftStore.h"

#include <QString>

struct ChosenAircraftNames {
    QString registration;
    QString typeName;
};

// `loadingText` is weight.txt's text ("" when it cannot be read).
ChosenAircraftNames ChosenAircraft(const AircraftStore& store, const QString& loadingText);
// The same with weight.txt read from its place.
ChosenAircraftNames ChosenAircraft(const AircraftStore& store);
