#include "core/times/TimesState.h"

TimesState::TimesState() : timers{CountTimer(0), CountTimer(1), CountTimer(2), CountTimer(3)} {}

void TimesState::LoadTimers(const SettingsStore& store) {
    for (CountTimer& timer : timers)
        timer.Load(store);
}

bool TimesState::RecordTakeoff() {
    if (!flight.RecordTakeoff())
        return false;
    for (CountTimer& timer : timers)
        if (timer.HasOption(timer_options::kStartOnTakeoff))
            (void)timer.Start(); // a count-down with nothing to count stays stopped
    return true;
}

bool TimesState::RecordLandingByHand() {
    if (!flight.RecordLanding())
        return false;
    for (CountTimer& timer : timers)
        if (timer.HasOption(timer_options::kStartOnTakeoff))
            timer.Stop();
    return true;
}
