#pragma once
// The "Distance && Track" calculator: the great-circle distance between two places and the true
// track in both directions. Each end is an airport or a nav aid of the navigation data or a user
// waypoint, named by its identifier; the caller says how an identifier is found, so the dialog
// looks in the document and the command line may also take a typed position.

#include "core/calculators/CalcResult.h"
#include "core/common/settings/AppSettings.h"
#include "core/common/text/PositionText.h"
#include "core/navdata/UserWaypoint.h"

#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

class NavDatabase;

// The kinds in the order of the dialog's drop lists ("Airport", "Nav aid", "User").
enum class PlaceKind { Airport = 0, NavAid = 1, User = 2 };
inline constexpr int kPlaceKindCount = 3;
QString PlaceKindText(PlaceKind kind);

// A place found: its name and position in seconds of arc (latitude north, longitude west
// positive). For a nav aid also its type text, how many nav aids share its identifier, and how
// the one taken was chosen: picked from a search, or the one nearest the other end (or the
// current airport), or with neither the first of the file.
struct Place {
    Place() = default;
    Place(QString placeName, int32_t lat, int32_t lon)
        : name(std::move(placeName)), latitude(lat), longitude(lon) {}

    QString name;
    int32_t latitude = 0;
    int32_t longitude = 0;
    double variation = 0.0; // nav aids and airports: degrees, positive west
    QString type;
    int sharing = 1;
    bool picked = false;
    bool nearest = false;

    // One of several taken by the identifier alone (not picked).
    bool Chosen() const { return sharing > 1 && !picked; }
};

// What is shown under the field: the name; for an identifier several nav aids share, the type
// too and how it was chosen: "(nearest of N)", or "(1 of N)" with nothing to be near.
QString PlaceLabel(const Place& place);

// A place picked from a search list: the record at `position` of the airport index or the nav
// aid table. It is used as picked while its end still names this kind and identifier.
struct PlacePick {
    PlaceKind kind = PlaceKind::Airport;
    QString ident;
    int position = -1;

    bool Names(PlaceKind k, const QString& text) const {
        return position >= 0 && kind == k && ident == text;
    }
};

// How an identifier is looked up: through the pick when it names it; otherwise an identifier
// that several nav aids share means the one nearest `near`, or without it the current airport.
struct PlaceHint {
    PlacePick pick;
    std::optional<Position> near;
};

// "Airport " / "Nav aid " / "User location " + ident + " not found."
QString PlaceNotFoundText(PlaceKind kind, const QString& ident);

// Finds `ident` as the kind says and the hint leads: an airport (as GetAirportSummary: the
// recent airports stay as they are), a nav aid (a nav aid found becomes the most recent one) or
// a user waypoint (letter case ignored). The kind is never guessed. Fails with the not-found
// message.
Outcome<Place> FindPlace(PlaceKind kind, const QString& ident, NavDatabase& navData,
                         const QVector<UserWaypoint>& waypoints, const PlaceHint& hint = {});

using PlaceFinder = std::function<Outcome<Place>(PlaceKind kind, const QString& ident)>;
using HintedPlaceFinder =
    std::function<Outcome<Place>(PlaceKind kind, const QString& ident, const PlaceHint& hint)>;

struct DistanceTrackInput {
    DistanceTrackInput() = default;
    DistanceTrackInput(PlaceKind fromPlaceKind, QString from, PlaceKind toPlaceKind, QString to,
                       PlacePick pickedFrom = {}, PlacePick pickedTo = {})
        : fromKind(fromPlaceKind), fromText(std::move(from)), toKind(toPlaceKind),
          toText(std::move(to)), fromPick(std::move(pickedFrom)), toPick(std::move(pickedTo)) {}

    PlaceKind fromKind = PlaceKind::Airport;
    QString fromText;
    PlaceKind toKind = PlaceKind::Airport;
    QString toText;
    PlacePick fromPick; // from the search lists; none by default
    PlacePick toPick;
};

struct DistanceTrackResult {
    // "Distance" ("%unm"), "Track" and "Return" ("%u°T"), or the message that stopped.
    CalcResult texts;
    // The labels of the places found (PlaceLabel), shown under their fields ("" when not
    // found). The From label is found even when the To place then stops the calculation.
    QString fromName;
    QString toName;
    // The whole distance (nm) and track (degrees) to remember; zero when stopped.
    DistanceTrack last;
};

inline constexpr const char* kEnterFromText = "Please enter a From location.";
inline constexpr const char* kEnterToText = "Please enter a To location.";

// Checks From, finds it, checks To, finds it (stopping at the first failure with its message,
// information icon), then computes the distance and both tracks. A nav aid identifier that
// several share means the one nearest the other end: To is found near From, and a From chosen
// so is found again near a To that was not itself chosen by its identifier alone.
DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in,
                                           const HintedPlaceFinder& find);
// The same with a finder that takes no hints.
DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in, const PlaceFinder& find);

// The three result texts of two places.
CalcResult DistanceTrackTexts(const Place& from, const Place& to, DistanceTrack* last = nullptr);
