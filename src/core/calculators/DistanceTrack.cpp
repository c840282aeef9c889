#include "core/calculators/DistanceTrack.h"

#include "core/calculators/CalcStop.h"
#include "core/common/text/Format.h"
#include "core/navdata/GreatCircle.h"
#include "core/navdata/NavAidChoice.h"
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

QString PlaceLabel(const Place& place) {
    if (place.sharing <= 1)
        return place.name;
    QString label = place.name + QLatin1Char(' ') + place.type;
    if (place.picked)
        return label;
    return label +
           (place.nearest ? QStringLiteral(" (nearest of %1)") : QStringLiteral(" (1 of %1)"))
               .arg(place.sharing);
}

namespace {

bool FindNavAidPlace(const QString& ident, NavDatabase& navData, const PlaceHint& hint,
                     Place* place) {
    const NavAidChoice choice =
        ChooseNavAid(navData, ident, hint.near ? hint.near : CurrentAirportPosition(navData));
    NavAidRecord record;
    const bool picked = hint.pick.Names(PlaceKind::NavAid, ident) &&
                        navData.NavAidAt(hint.pick.position, ident, &record, &place->name);
    if (!picked && !navData.NavAidAt(choice.position, ident, &record, &place->name))
        return false;
    place->latitude = record.latitude;
    place->longitude = record.longitude;
    place->variation = record.variation;
    place->type = NavAidTypeText(record.type);
    place->sharing = choice.sharing;
    place->picked = picked;
    place->nearest = choice.nearest && !picked;
    return true;
}

bool FindAirportPlace(const QString& ident, NavDatabase& navData, const PlaceHint& hint,
                      Place* place) {
    AirportRecord record;
    const bool found =
        (hint.pick.Names(PlaceKind::Airport, ident) &&
         navData.AirportSummaryAt(hint.pick.position, ident, &record, &place->name)) ||
        navData.GetAirportSummary(ident, &record, &place->name);
    place->latitude = record.latitude;
    place->longitude = record.longitude;
    place->variation = record.variation;
    return found;
}

Position PositionOf(const Place& place) {
    return {place.latitude, place.longitude};
}

} // namespace

Outcome<Place> FindPlace(PlaceKind kind, const QString& ident, NavDatabase& navData,
                         const QVector<UserWaypoint>& waypoints, const PlaceHint& hint) {
    Place place;
    bool found = false;
    if (kind == PlaceKind::Airport) {
        found = FindAirportPlace(ident, navData, hint, &place);
    } else if (kind == PlaceKind::NavAid) {
        found = FindNavAidPlace(ident, navData, hint, &place);
    } else {
        UserWaypoint waypoint;
        found = FindUserWaypointIn(waypoints, ident, &waypoint);
        place.name = waypoint.name;
        place.latitude = waypoint.latitude;
        place.longitude = waypoint.longitude;
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

DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in,
                                           const HintedPlaceFinder& find) {
    DistanceTrackResult out;
    if (in.fromText.isEmpty()) {
        out.texts = StopWith(CalcMessage(kEnterFromText));
        return out;
    }
    Outcome<Place> from = find(in.fromKind, in.fromText, {in.fromPick, std::nullopt});
    if (!from) {
        out.texts = StopWith(from.error());
        return out;
    }
    out.fromName = PlaceLabel(from.value());
    if (in.toText.isEmpty()) {
        out.texts = StopWith(CalcMessage(kEnterToText));
        return out;
    }
    const Outcome<Place> to = find(in.toKind, in.toText, {in.toPick, PositionOf(from.value())});
    if (!to) {
        out.texts = StopWith(to.error());
        return out;
    }
    if (from->Chosen() && !to->Chosen()) {
        if (Outcome<Place> again =
                find(in.fromKind, in.fromText, {in.fromPick, PositionOf(to.value())}))
            from = std::move(again);
        out.fromName = PlaceLabel(from.value());
    }
    out.toName = PlaceLabel(to.value());
    out.texts = DistanceTrackTexts(from.value(), to.value(), &out.last);
    return out;
}

DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in, const PlaceFinder& find) {
    return CalculateDistanceTrack(in, [&find](PlaceKind kind, const QString& ident,
                                              const PlaceHint&) { return find(kind, ident); });
}
