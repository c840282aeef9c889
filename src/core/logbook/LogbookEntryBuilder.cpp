#include "core/logbook/LogbookEntryBuilder.h"

#include "core/logbook/NightTime.h"
#include "core/navdata/NavDatabase.h"
#include "core/planning/RouteText.h"
#include "core/times/TimesState.h"

#include <algorithm>

namespace {

// An end of the flight: the airport or route point named, with its position when known.
struct FlightEnd {
    QString ident;
    std::optional<FlightPosition> where;
};

QDateTime Utc(const SystemTime& time) {
    return time.IsRecorded() ? ToLogbookMinute(time.ToDateTime()) : QDateTime();
}

std::optional<FlightPosition> AirportPosition(NavDatabase* nav, const QString& ident) {
    AirportRecord record;
    QString name;
    if (nav == nullptr || ident.isEmpty() || !nav->GetAirportSummary(ident, &record, &name))
        return std::nullopt;
    return FlightPosition{record.latitude / 3600.0, record.longitude / 3600.0};
}

FlightEnd FindEnd(const std::optional<FlightPosition>& gps, bool first,
                  const LogbookSources& sources) {
    if (gps && sources.navData != nullptr) {
        if (const std::optional<NearbyAirport> near = sources.navData->NearestAirport(
                gps->latitude, gps->longitude, kLogbookAirportRadiusNm))
            return {near->ident, gps};
    }
    const QStringList route = SplitRoute(sources.route);
    if (route.isEmpty())
        return {QString(), gps};
    const QString ident = first ? route.first() : route.last();
    return {ident, gps ? gps : AirportPosition(sources.navData, ident)};
}

// Durations and landings over the legs that have landed.
void CountLegs(const std::vector<FlightLeg>& legs, LogbookEntry* e) {
    int landed = 0;
    for (const FlightLeg& leg : legs) {
        if (!leg.landing.IsRecorded())
            continue;
        ++landed;
        e->airMinutes += MinutesBetween(Utc(leg.takeoff), Utc(leg.landing));
        e->flightMinutes = MinutesBetween(Utc(legs.front().takeoff), Utc(leg.landing));
    }
    e->landings = std::max(landed, 1);
}

FlightPath PathOf(const std::vector<FlightLeg>& legs, const LogbookEntry& e, const FlightEnd& from,
                  const FlightEnd& to) {
    FlightPath path;
    path.Add(e.startup, from.where);
    for (const FlightLeg& leg : legs) {
        path.Add(Utc(leg.takeoff), leg.takeoffAt);
        path.Add(Utc(leg.landing), leg.landingAt);
    }
    path.Add(e.shutdown, to.where);
    return path;
}

int CountNightLandings(const std::vector<FlightLeg>& legs, const FlightPath& path) {
    int night = 0;
    for (const FlightLeg& leg : legs) {
        const QDateTime at = Utc(leg.landing);
        if (at.isValid() && !path.Empty() && IsNight(at, *path.At(at)))
            ++night;
    }
    return night;
}

} // namespace

bool FlightComplete(const TimesState& times) {
    const FlightTimes& t = times.flight;
    return t.IsRecorded(FlightEvent::Startup) && t.IsRecorded(FlightEvent::Shutdown) &&
           Utc(t.Time(FlightEvent::Startup)) <= Utc(t.Time(FlightEvent::Shutdown));
}

Outcome<NewLogbookEntry> BuildLogbookEntry(const TimesState& times, const LogbookSources& sources) {
    if (!FlightComplete(times))
        return Outcome<NewLogbookEntry>::Fail(
            QStringLiteral("The flight is not complete: record its start-up and shut-down first."),
            MessageIcon::Warning);
    const FlightTimes& t = times.flight;
    const std::vector<FlightLeg> legs = times.legs.Matching(t);
    NewLogbookEntry made;
    LogbookEntry& e = made.entry;
    e.startup = Utc(t.Time(FlightEvent::Startup));
    e.takeoff = Utc(t.Time(FlightEvent::Takeoff));
    e.landing = Utc(t.Time(FlightEvent::Landing));
    e.shutdown = Utc(t.Time(FlightEvent::Shutdown));
    e.date = e.startup.date();
    e.registration = sources.registration;
    e.aircraftType = sources.aircraftType;
    const FlightEnd from =
        FindEnd(legs.empty() ? std::nullopt : legs.front().takeoffAt, true, sources);
    const FlightEnd to =
        FindEnd(legs.empty() ? std::nullopt : legs.back().landingAt, false, sources);
    e.departure = from.ident;
    e.arrival = to.ident;
    e.blockMinutes = MinutesBetween(e.startup, e.shutdown);
    CountLegs(legs, &e);
    const FlightPath path = PathOf(legs, e, from, to);
    made.nightUnknown = path.Empty();
    e.nightMinutes = NightMinutes(e.startup, e.shutdown, path);
    e.nightLandings = std::min(CountNightLandings(legs, path), e.landings);
    if (Status checked = CheckLogbookEntry(e); !checked)
        return checked.error();
    return made;
}
