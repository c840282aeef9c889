#include "core/times/FlightTimes.h"

#include "core/common/Clock.h"

bool FlightTimes::AnyRecorded() const {
    for (const SystemTime& t : times_)
        if (t.IsRecorded())
            return true;
    return false;
}

bool FlightTimes::FlightTimerRunning() const {
    return IsRecorded(FlightEvent::Startup) && !IsRecorded(FlightEvent::Shutdown);
}

bool FlightTimes::AirTimerRunning() const {
    return IsRecorded(FlightEvent::Takeoff) && !IsRecorded(FlightEvent::Landing);
}

bool FlightTimes::RecordNow(FlightEvent event) {
    if (IsRecorded(event))
        return false;
    times_[Index(event)] = SystemTime::FromDateTime(CurrentClock().NowUtc());
    return true;
}

bool FlightTimes::RecordStartup() {
    return RecordNow(FlightEvent::Startup);
}

bool FlightTimes::RecordTakeoff() {
    return RecordNow(FlightEvent::Takeoff);
}

bool FlightTimes::RecordLanding() {
    if (!IsRecorded(FlightEvent::Takeoff))
        return false;
    return RecordNow(FlightEvent::Landing);
}

ShutdownRecord FlightTimes::RecordShutdown(bool confirmed) {
    if (!IsRecorded(FlightEvent::Startup) || IsRecorded(FlightEvent::Shutdown))
        return ShutdownRecord::NotAllowed;
    if (AirTimerRunning() && !confirmed)
        return ShutdownRecord::AskFirst;
    RecordNow(FlightEvent::Shutdown);
    return ShutdownRecord::Recorded;
}

void FlightTimes::ResetAll() {
    times_.fill(SystemTime{});
}

void FlightTimes::ResetStartup() {
    Set(FlightEvent::Startup, {});
    Set(FlightEvent::Shutdown, {});
}

void FlightTimes::ResetTakeoff() {
    Set(FlightEvent::Takeoff, {});
    Set(FlightEvent::Landing, {});
}

void FlightTimes::ResetLanding() {
    Set(FlightEvent::Landing, {});
}

void FlightTimes::ResetShutdown() {
    Set(FlightEvent::Shutdown, {});
}

Message ShutdownBeforeLandingQuestion() {
    return Message{
        QStringLiteral("Do you want to record shutdown time before recording landing time?"),
        MessageIcon::Question};
}

Message ExitQuestion() {
    return Message{
        QStringLiteral(
            "You currently have flight timers running, do you wish to exit the program?"),
        MessageIcon::Question};
}
