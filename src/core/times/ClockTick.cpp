#include "core/times/ClockTick.h"

#include "core/common/Clock.h"
#include "core/common/settings/AppSettings.h"
#include "core/times/TimesState.h"

#include <algorithm>
#include <limits>

namespace {

// Seconds from 1 January 1601 to 1 January 1970.
constexpr int64_t kEpochDifference = 11644473600;

int64_t Elapsed(TickClock& clock) {
    const int64_t now = TickSecondsNow();
    const int64_t elapsed = clock.previousSeconds == 0 ? 1 : now - clock.previousSeconds;
    clock.previousSeconds = now;
    if (elapsed < 0)
        return 1; // the clock was set back (for example from GPS time): count the tick alone
    return std::min<int64_t>(elapsed, std::numeric_limits<uint32_t>::max());
}

void AdvanceTimers(TimesState& times, int64_t elapsed, TickResult* result) {
    for (CountTimer& timer : times.timers) {
        if (!timer.IsRunning())
            continue;
        const TimerAdvance advance = timer.Advance(static_cast<uint32_t>(elapsed));
        if (advance.playSound)
            times.alarms.Schedule(timer);
        result->timerStopped |= advance.stopped;
    }
    AlarmSounds::Due due = times.alarms.TakeDue();
    result->sounds = std::move(due.playable);
    result->soundReports = std::move(due.reports);
}

void DetectTakeoffAndLanding(TimesState& times, const GpsReading& gps, uint32_t threshold,
                             TickResult* result) {
    // Only the speed of a valid fix that is still fresh counts: a receiver that lost its fix
    // (status "V" with speed 0) or went quiet must not record a landing in flight.
    if (!gps.open || threshold == 0 || !gps.fresh)
        return;
    // A negative speed can only come from a damaged sentence; it counts as standing still.
    const uint32_t speed = static_cast<uint32_t>(std::max(gps.fixSpeed, 0));
    FlightTimes& flight = times.flight;
    if (!flight.IsRecorded(FlightEvent::Takeoff)) {
        if (speed > threshold) {
            result->takeoffRecorded = times.RecordTakeoff(FixPosition(gps));
            result->refreshTimes = true;
        }
        return;
    }
    result->refreshTimes = true;
    if (!flight.IsRecorded(FlightEvent::Landing)) {
        if (speed < threshold)
            result->landingRecorded = times.RecordLandingByGps(FixPosition(gps));
        return;
    }
    if (flight.IsRecorded(FlightEvent::Shutdown))
        return;
    const SystemTime now = SystemTime::FromDateTime(CurrentClock().NowUtc());
    if (speed > threshold)
        result->legRecorded = times.legs.FurtherTakeoff(now, FixPosition(gps));
    else if (speed < threshold)
        result->legRecorded = times.legs.Landing(now, FixPosition(gps));
}

} // namespace

int64_t TickSecondsNow() {
    return CurrentClock().NowUtc().toSecsSinceEpoch() + kEpochDifference;
}

TickResult ClockTick(TimesState& times, TickClock& clock, const GpsReading& gps,
                     const AppSettings& settings) {
    TickResult result;
    result.elapsedSeconds = Elapsed(clock);
    AdvanceTimers(times, result.elapsedSeconds, &result);
    DetectTakeoffAndLanding(times, gps, settings.takeoffGroundSpeed, &result);
    return result;
}
