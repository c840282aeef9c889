#pragma once
// What the document owns of the Times subsystem for the whole run: the flight times and the
// four count timers, with the recording operations that also start and stop the timers set to
// start at takeoff.

#include "core/times/AlarmSounds.h"
#include "core/times/CountTimer.h"
#include "core/times/FlightLegs.h"
#include "core/times/FlightTimes.h"

#include <array>

class SettingsStore;

class TimesState {
public:
    static constexpr int kTimerCount = 4;

    TimesState();

    FlightTimes flight;
    // The take-offs and landings with their places, for the logbook.
    FlightLegs legs;
    std::array<CountTimer, kTimerCount> timers;
    // The timer the Timers dialog opens on: the pressed one from a timer button of the Times
    // view; the dialog's command takes it (leaving 0), so the Times menu opens on timer 1.
    int timersDialogTimer = 0;
    // The sounds of timers passing zero, played by the ticks.
    AlarmSounds alarms;

    // Reads the four timers' stored settings (at document creation).
    void LoadTimers(const SettingsStore& store);

    // Takeoff by hand or by GPS: records it when not yet recorded and starts every timer with
    // the start-on-takeoff option; `where` is the GPS position then, when known. False (nothing
    // changed) when already recorded.
    bool RecordTakeoff(const std::optional<FlightPosition>& where = std::nullopt);
    // Landing by hand: records it (only after takeoff, once) and stops the start-on-takeoff
    // timers.
    bool RecordLandingByHand(const std::optional<FlightPosition>& where = std::nullopt);
    // Landing by GPS: records it as by hand but leaves the timers running.
    bool RecordLandingByGps(const std::optional<FlightPosition>& where);
};
