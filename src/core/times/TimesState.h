#pragma once
// What the document owns of the Times subsystem for the whole run: the flight times and the
// four count timers, with the recording operations that also start and stop the timers set to
// start at takeoff.

#include "core/times/AlarmSounds.h"
#include "core/times/CountTimer.h"
#include "core/times/FlightTimes.h"

#include <array>

class SettingsStore;

class TimesState {
public:
    static constexpr int kTimerCount = 4;

    TimesState();

    FlightTimes flight;
    std::array<CountTimer, kTimerCount> timers;
    // The timer the Timers dialog opens on: the pressed one from a timer button of the Times
    // view; the dialog's command takes it (leaving 0), so the Times menu opens on timer 1.
    int timersDialogTimer = 0;
    // The sounds of timers passing zero, played by the ticks.
    AlarmSounds alarms;

    // Reads the four timers' stored settings (at document creation).
    void LoadTimers(const SettingsStore& store);

    // Takeoff by hand or by GPS: records it when not yet recorded and starts every timer with
    // the start-on-takeoff option. False (nothing changed) when already recorded.
    bool RecordTakeoff();
    // Landing by hand: records it (only after takeoff, once) and stops the start-on-takeoff
    // timers. The GPS path records through flight.RecordLanding() and leaves them running.
    bool RecordLandingByHand();
};
