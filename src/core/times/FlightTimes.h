#pragma once
// The four event times of a flight (startup, takeoff, landing, shutdown) in UTC, with the guarded
// recording and reset operations. Held by the document, which keeps them in the settings
// (FlightTimesStore) so that a restart during a flight loses nothing. A record whose year is 0
// is not recorded. Recording reads the current time from CurrentClock().

#include "core/common/Outcome.h"
#include "core/common/SystemTime.h"

#include <array>

enum class FlightEvent { Startup, Takeoff, Landing, Shutdown };

// What recording shutdown did: recorded, nothing (not allowed), or nothing yet because the
// question of ShutdownBeforeLandingQuestion() must be answered first.
enum class ShutdownRecord { Recorded, NotAllowed, AskFirst };

class FlightTimes {
public:
    const SystemTime& Time(FlightEvent event) const { return times_[Index(event)]; }
    bool IsRecorded(FlightEvent event) const { return Time(event).IsRecorded(); }
    bool AnyRecorded() const;

    // Startup recorded and shutdown not.
    bool FlightTimerRunning() const;
    // Takeoff recorded and landing not.
    bool AirTimerRunning() const;
    // Either timer runs: leaving the program asks ExitQuestion() first.
    bool FlightInProgress() const { return FlightTimerRunning() || AirTimerRunning(); }

    // Each stores the current UTC time and returns true when allowed: startup and takeoff when
    // not yet recorded, landing only after takeoff and before a landing.
    bool RecordStartup();
    bool RecordTakeoff();
    bool RecordLanding();
    // Only after startup and before a shutdown. When the aircraft took off and has not landed,
    // asks first unless `confirmed` (the user answered OK to the question).
    ShutdownRecord RecordShutdown(bool confirmed = false);

    void ResetAll();
    void ResetStartup(); // also clears shutdown
    void ResetTakeoff(); // also clears landing
    void ResetLanding();
    void ResetShutdown();

    // Stores a time directly (the document's own tests and tools).
    void Set(FlightEvent event, const SystemTime& utc) { times_[Index(event)] = utc; }

private:
    static int Index(FlightEvent event) { return static_cast<int>(event); }
    bool RecordNow(FlightEvent event);

    std::array<SystemTime, 4> times_{};
};

// String 57383: asked before recording shutdown while airborne (OK/Cancel, question icon,
// title "Trevallion").
Message ShutdownBeforeLandingQuestion();
// String 57384: asked before leaving the program during a flight (OK/Cancel, question icon,
// title "Trevallion").
Message ExitQuestion();
