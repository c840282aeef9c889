#include "core/times/TimesDisplay.h"
#include "core/common/text/Format.h"

#include "core/common/Clock.h"
#include "core/common/settings/SettingsSchema.h"

namespace {

int MinuteOfDay(const SystemTime& t) {
    return t.hour * 60 + t.minute;
}

SystemTime NowUtc() {
    return SystemTime::FromDateTime(CurrentClock().NowUtc());
}

QString HourMinute(const SystemTime& t) {
    return FormatText("%02u:%02u", static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute));
}

QString ClockText(bool local, int zoneOffset) {
    const SystemTime now = NowUtc();
    return HourMinute(local ? ToLocalTime(now, zoneOffset, CurrentClock().LocalZone()) : now);
}

} // namespace

TimesDisplay TimesDisplay::Load(const SettingsStore& store) {
    const int bits = setting::kTimeView.Read(store);
    TimesDisplay display;
    display.localTime = (bits & 1) != 0;
    display.hoursMinutes = (bits & 2) != 0;
    return display;
}

void TimesDisplay::Save(SettingsStore& store) const {
    setting::kTimeView.Write(store, (localTime ? 1 : 0) | (hoursMinutes ? 2 : 0));
}

QString TimesDisplay::TopCaption() const {
    return localTime ? QStringLiteral("Local Time") : QStringLiteral("Zulu Time");
}

QString TimesDisplay::SecondCaption() const {
    return localTime ? QStringLiteral("Zulu Time") : QStringLiteral("Local Time");
}

QString TimesDisplay::TopClock(int zoneOffset) const {
    return ClockText(localTime, zoneOffset);
}

QString TimesDisplay::SecondClock(int zoneOffset) const {
    return ClockText(!localTime, zoneOffset);
}

QString TimesDisplay::EventTime(const SystemTime& utc, int zoneOffset) const {
    if (!utc.IsRecorded())
        return QStringLiteral("00:00");
    return HourMinute(localTime ? ToLocalTime(utc, zoneOffset, CurrentClock().LocalZone()) : utc);
}

ColouredText TimesDisplay::Event(const FlightTimes& times, FlightEvent event,
                                 int zoneOffset) const {
    const SystemTime& t = times.Time(event);
    TextColour colour = TextColour::Black;
    if (t.IsRecorded()) {
        const bool running = (event == FlightEvent::Startup && times.FlightTimerRunning()) ||
                             (event == FlightEvent::Takeoff && times.AirTimerRunning());
        colour = running ? TextColour::Blue : TextColour::Red;
    }
    return {EventTime(t, zoneOffset), colour};
}

ColouredText TimesDisplay::Elapsed(const SystemTime& start, const SystemTime& end) const {
    TextColour colour = TextColour::Black;
    if (start.IsRecorded())
        colour = end.IsRecorded() ? TextColour::Red : TextColour::Blue;
    return {ElapsedText(start, end, hoursMinutes), colour};
}

ColouredText TimesDisplay::FlightTime(const FlightTimes& times) const {
    return Elapsed(times.Time(FlightEvent::Startup), times.Time(FlightEvent::Shutdown));
}

ColouredText TimesDisplay::AirTime(const FlightTimes& times) const {
    return Elapsed(times.Time(FlightEvent::Takeoff), times.Time(FlightEvent::Landing));
}

QString TimesDisplay::ClipboardText(const FlightTimes& times, int zoneOffset) const {
    const auto event = [&](FlightEvent e) { return EventTime(times.Time(e), zoneOffset); };
    return QStringLiteral("Startup\t") + event(FlightEvent::Startup) +
           QStringLiteral("\r\nTakeoff\t") + event(FlightEvent::Takeoff) +
           QStringLiteral("\r\nLanding\t") + event(FlightEvent::Landing) +
           QStringLiteral("\r\nShutdown\t") + event(FlightEvent::Shutdown) +
           QStringLiteral("\r\nFlight time\t") + FlightTime(times).text +
           QStringLiteral("\r\nAir time\t") + AirTime(times).text;
}

QString ElapsedText(const SystemTime& start, const SystemTime& end, bool hoursMinutes) {
    unsigned difference = 0;
    if (start.IsRecorded()) {
        int endMinutes = 0;
        if (end.IsRecorded())
            endMinutes = MinuteOfDay(end) + (hoursMinutes ? 0 : 5);
        else
            endMinutes = MinuteOfDay(NowUtc());
        const int startMinutes = MinuteOfDay(start);
        if (endMinutes < startMinutes)
            endMinutes += 1440;
        difference = static_cast<unsigned>(endMinutes - startMinutes);
    }
    const unsigned hours = difference / 60;
    const unsigned minutes = difference % 60;
    if (hoursMinutes)
        return FormatText("%02u:%02u", hours, minutes);
    return FormatText("%u.%01u", hours, minutes / 6);
}

Message ClipboardOpenFailure() {
    return Message{QStringLiteral("Cannot open the Clipboard"), MessageIcon::Information};
}

Message ClipboardEmptyFailure() {
    return Message{QStringLiteral("Cannot empty the Clipboard"), MessageIcon::Information};
}

Message ClipboardSetFailure() {
    return Message{QStringLiteral("Cannot set clipboard data"), MessageIcon::Information};
}
