#pragma once
// The Times view's texts, exactly as the view shows them: the two clocks with their captions,
// the four event times, flight time and air time in hh:mm or decimal hours, and the clipboard
// text. Holds the view's two flags ("TimeView": bit 0 local time, bit 1 hours:minutes). The
// current time comes from CurrentClock(); local time follows ToLocalTime with the "TimeZone"
// offset passed in (0 = the clock's local zone).

#include "core/times/FlightTimes.h"
#include "core/times/TextColour.h"

#include <QString>

class SettingsStore;

class TimesDisplay {
public:
    bool localTime = false;    // top clock and events in local time (else UTC)
    bool hoursMinutes = false; // flight and air time as hh:mm (else decimal hours)

    static TimesDisplay Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;

    // Captions of labels 127 and 1268: "Local Time"/"Zulu Time", swapped when in UTC.
    QString TopCaption() const;
    QString SecondCaption() const;
    // The top clock (136) in the chosen zone and the second clock (129) in the other.
    QString TopClock(int zoneOffset) const;
    QString SecondClock(int zoneOffset) const;

    // An event in the chosen zone: "%02u:%02u"; "00:00" in black when not recorded; blue while
    // startup or takeoff has its interval running; red once closed, and for landing and shutdown.
    ColouredText Event(const FlightTimes& times, FlightEvent event, int zoneOffset) const;
    // Startup to shutdown and takeoff to landing: black when zero, blue running, red finished.
    ColouredText FlightTime(const FlightTimes& times) const;
    ColouredText AirTime(const FlightTimes& times) const;

    // "Startup\t..\r\nTakeoff\t..\r\nLanding\t..\r\nShutdown\t..\r\nFlight time\t..\r\nAir
    // time\t..".
    QString ClipboardText(const FlightTimes& times, int zoneOffset) const;

    // The event's hour and minute in the chosen zone as "%02u:%02u" ("00:00" when not recorded).
    QString EventTime(const SystemTime& utc, int zoneOffset) const;

private:
    ColouredText Elapsed(const SystemTime& start, const SystemTime& end) const;
};

// Elapsed hours and minutes from start to end (or to the current UTC minute while the end is not
// recorded), dates and seconds ignored, over midnight when the end is earlier in the day. A
// finished interval gets 5 minutes more in decimal mode, so every started tenth counts.
// "%02u:%02u" or "%u.%01u"; zero ("00:00"/"0.0") when the start is not recorded.
QString ElapsedText(const SystemTime& start, const SystemTime& end, bool hoursMinutes);

// Copy failures of the clipboard, each stopping the copy.
Message ClipboardOpenFailure();  // "Cannot open the Clipboard"
Message ClipboardEmptyFailure(); // "Cannot empty the Clipboard"
Message ClipboardSetFailure();   // "Cannot set clipboard data"
