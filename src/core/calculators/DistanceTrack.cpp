#include "core/calculators/DistanceTrack.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/navdata/GreatCircle.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointStore.h"

namespace {

// Seconds of arc to degrees.
constexpr double kSecondsToDegrees = 0.0002777777777777778;

double Degrees(int32_t secondsOfArc) {
    return secondsOfArc * kSecondsToDegrees;
}

} // namespace

QString PlaceKindText(PlaceKind kind) {
    switch (kind) {
    case PlaceKind::NavAid:
        return QStringLiteral("Nav aid");
    case PlaceKind::User:
        return QStringLiteral("User");
    case PlaceKind::Airport:
        break;
    }
    return QStringLiteral("Airport");
}

QString PlaceNotFoundText(PlaceKind kind, const QString& ident) {
    const char* lead = kind == PlaceKind::Airport  ? "Airport "
                       : kind == PlaceKind::NavAid ? "Nav aid "
                                                   : "User location ";
    return QString::fromLatin1(lead) + ident + QStringLiteral(" not found.");
}

Outcome<Place> FindPlace(PlaceKind kind, const QString& ident, NavDatabase& navData,
                         const QVector<UserWaypoint>& waypoints) {
    Place place;
    bool found = false;
    if (kind == PlaceKind::Airport) {
        AirportRecord record;
        found = navData.GetAirportSummary(ident, &record, &place.name);
        place.latitude = record.latitude;
        place.longitude = record.longitude;
    } else if (kind == PlaceKind::NavAid) {
        NavAidRecord record;
        found = navData.FindNavAid(ident, &record, &place.name);
        place.latitude = record.latitude;
        place.longitude = record.longitude;
    } else {
        UserWaypoint waypoint;
        found = FindUserWaypointIn(waypoints, ident, &waypoint);
        place = {waypoint.name, waypoint.latitude, waypoint.longitude};
    }
    if (!found)
        return Message{PlaceNotFoundText(kind, ident), MessageIcon::Information};
    return place;
}

CalcResult DistanceTrackTexts(const Place& from, const Place& to, DistanceTrack* last) {
    const double lat1 = Degrees(from.latitude), lon1 = Degrees(from.longitude);
    const double lat2 = Degrees(to.latitude), lon2 = Degrees(to.longitude);
    const unsigned distance = GreatCircleDistance(lat1, lon1, lat2, lon2);
    const unsigned track = GreatCircleTrack(lat1, lon1, lat2, lon2);
    const unsigned back = GreatCircleTrack(lat2, lon2, lat1, lon1);
    if (last)
        *last = {static_cast<double>(distance), static_cast<double>(track)};
    CalcResult result;
    result.Add(QStringLiteral("Distance"), FormatText("%unm", distance));
    result.Add(QStringLiteral("Track"), FormatText("%u°T", track));
    result.Add(QStringLiteral("Return"), FormatText("%u°T", back));
    return result;
}

DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in, const PlaceFinder& find) {
    DistanceTrackResult out;
    if (in.fromText.isEmpty()) {
        out.texts = StopWith(CalcMessage(kEnterFromText));
        return out;
    }
    const Outcome<Place> from = find(in.fromKind, in.fromText);
    if (!from) {
        out.texts = StopWith(from.error());
        return out;
    }
    out.fromName = from->name;
    if (in.toText.isEmpty()) {
        out.texts = StopWith(CalcMessage(kEnterToText));
        return out;
    }
    const Outcome<Place> to = find(in.toKind, in.toText);
    if (!to) {
        out.texts = StopWith(to.error());
        return out;
    }
    out.toName = to->name;
    out.texts = DistanceTrackTexts(from.value(), to.value(), &out.last);
    return out;
}
