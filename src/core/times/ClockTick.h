#pragma once
// The main frame's one-second tick over the document's times: advances the running timers by
// the seconds since the previous tick and records takeoff and landing from the GPS ground speed.
// Returns what the screens must refresh; sounds are the caller's to play.

#include "core/common/Outcome.h"
#include "core/gps/GpsFix.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

struct AppSettings;
class TimesState;

struct TickResult {
    int64_t elapsedSeconds = 0;
    bool takeoffRecorded = false; // by the GPS on this tick
    bool landingRecorded = false; // by the GPS on this tick
    bool legRecorded = false;     // a further take-off or landing after the first landing
    bool refreshTimes = false;    // the Times view, when current, redraws its six time buttons
    bool timerStopped = false;    // a count-down stopped at zero: an open Timers dialog refreshes
    QStringList sounds;           // sound files to play once each, now (checked playable)
    QList<Message> soundReports;  // sound files that cannot be played, each reported once a run
};

// The tick clock the main frame keeps: whole seconds since 1 January 1601 (UTC) of the previous
// tick, 0 before the first one.
struct TickClock {
    int64_t previousSeconds = 0;
};

// The current UTC time (CurrentClock()) as whole seconds since 1 January 1601.
int64_t TickSecondsNow();

// One tick. Elapsed is 1 on the first tick, else the seconds since the previous one (1 when the
// clock was set back). Automatic recording needs the GPS port open with a fresh valid fix and
// "TakeoffGS" not 0: takeoff when the fix's speed is strictly above it, landing when strictly
// below it after takeoff. After the landing and before shutdown the same thresholds add further
// take-offs and landings to the flight's legs (the recorded times stay).
TickResult ClockTick(TimesState& times, TickClock& clock, const GpsReading& gps,
                     const AppSettings& settings);
