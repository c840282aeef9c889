#pragma once
// Puts a completed flight (shut-down recorded after start-up) into the logbook, once. The flight
// put in last is remembered in the settings ("Times.Logged": its start-up time and the logbook's
// number for it), so that recording its shut-down again (after a reset of a shut-down tapped too
// early) corrects that entry instead of adding a second one. The correction takes the times,
// durations and landings again and keeps what the pilot may have typed since: the aircraft,
// the departure and arrival and the remarks. An entry the pilot deleted is added again.

#include "core/common/Outcome.h"
#include "core/logbook/LogbookEntryBuilder.h"

class LogbookStore;
class SettingsStore;

// Does nothing for a flight that is not complete. Opens the logbook when it is not open yet.
// Fails with "The flight could not be added to the logbook.\n" and the reason; the recorded
// times stay as they are then, so the pilot can add the flight by hand.
Status LogCompletedFlight(const TimesState& times, const LogbookSources& sources,
                          LogbookStore& logbook, SettingsStore& settings);
