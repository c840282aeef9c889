#include "core/times/TimesState.h"

TimesState::TimesState() : timers{CountTimer(0), CountTimer(1), CountTimer(2), CountTimer(3)} {}

void TimesState::LoadTimers(const SettingsStore& store) {
    for (CountTimer& timer : timers)
        timer.Load(store);
}

bool TimesState::RecordTakeoff(const std::optional<FlightPosition>& where) {
    if (!flight.RecordTakeoff())
        return false;
    legs.FirstTakeoff(flight.Time(FlightEvent::Takeoff), where);
    for (CountTimer& timer : timers)
        if (timer.HasOption(timer_options::kStartOnTakeoff))
            (void)timer.Start(); // a count-down with nothing to count stays stopped
    return true;
}

bool TimesState::RecordLandingByHand(const std::optional<FlightPosition>& where) {
    if (!RecordLandingByGps(where))
        return false;
    for (CountTimer& timer : timers)
        if (timer.HasOption(timer_options::kStartOnTakeoff))
            timer.Stop();
    return true;
}

bool TimesState::RecordLandingByGps(const std::optional<FlightPosition>& where) {
    if (!flight.RecordLanding())
        return false;
    legs.FirstLanding(flight.Time(FlightEvent::Landing), where);
    return true;
}
