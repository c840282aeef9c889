#pragma once
// The logbook entry of a completed flight (shut-down recorded after start-up), made from what
// the document holds at that moment: the recorded times and legs, the navigation data, the
// current flight plan's route and the aircraft chosen in weight and balance. The pilot may
// change every field afterwards.
//
// Departure and arrival: the nearest airport of the navigation data within 5 nm of the GPS
// position at the first take-off (the last landing); otherwise the first (last) point of the
// route; otherwise empty. Night time and night landings follow the flight's places: the GPS
// positions where known, else the positions of the departure and arrival airports.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntry.h"

#include <QString>

class NavDatabase;
class TimesState;

inline constexpr double kLogbookAirportRadiusNm = 5.0;

struct LogbookSources {
    NavDatabase* navData = nullptr; // may be missing or hold no file
    QString route;                  // the flight plan's route text (identifiers and spaces)
    QString registration;           // the aircraft chosen in weight and balance
    QString aircraftType;
};

struct NewLogbookEntry {
    LogbookEntry entry;
    // The flight's places were all unknown, so its night time and night landings are 0 and
    // want checking by the pilot.
    bool nightUnknown = false;
};

// Start-up and shut-down recorded, shut-down not before start-up.
bool FlightComplete(const TimesState& times);

// The entry of the completed flight. Fails (warning) when the flight is not complete, and with
// the entry's own check (CheckLogbookEntry) when, say, it lasted more than 99 hours.
Outcome<NewLogbookEntry> BuildLogbookEntry(const TimesState& times, const LogbookSources& sources);
