#pragma once
// The "Distance && Track" calculator: the great-circle distance between two places and the true
// track in both directions. Each end is an airport or a nav aid of the navigation data or a user
// waypoint, named by its identifier; the caller says how an identifier is found, so the dialog
// looks in the document and the command line may also take a typed position.

#include "core/calculators/CalcResult.h"
#include "core/common/settings/AppSettings.h"
#include "core/navdata/UserWaypoint.h"

#include <QString>
#include <QVector>

#include <cstdint>
#include <functional>

class NavDatabase;

// The kinds in the order of the dialog's drop lists ("Airport", "Nav aid", "User").
enum class PlaceKind { Airport = 0, NavAid = 1, User = 2 };
inline constexpr int kPlaceKindCount = 3;
QString PlaceKindText(PlaceKind kind);

// A place found: its name and position in seconds of arc (latitude north, longitude west
// positive).
struct Place {
    QString name;
    int32_t latitude = 0;
    int32_t longitude = 0;
};

// "Airport " / "Nav aid " / "User location " + ident + " not found."
QString PlaceNotFoundText(PlaceKind kind, const QString& ident);

// Finds `ident` as the kind says: an airport (GetAirportSummary: the recent airports stay as
// they are), a nav aid (FindNavAid: a nav aid found becomes the most recent one) or a user
// waypoint (letter case ignored). The kind is never guessed. Fails with the not-found message.
Outcome<Place> FindPlace(PlaceKind kind, const QString& ident, NavDatabase& navData,
                         const QVector<UserWaypoint>& waypoints);

using PlaceFinder = std::function<Outcome<Place>(PlaceKind kind, const QString& ident)>;

struct DistanceTrackInput {
    PlaceKind fromKind = PlaceKind::Airport;
    QString fromText;
    PlaceKind toKind = PlaceKind::Airport;
    QString toText;
};

struct DistanceTrackResult {
    // "Distance" ("%unm"), "Track" and "Return" ("%u°T"), or the message that stopped.
    CalcResult texts;
    // The names of the places found, shown under their fields ("" when not found). The From
    // name is found even when the To place then stops the calculation.
    QString fromName;
    QString toName;
    // The whole distance (nm) and track (degrees) to remember; zero when stopped.
    DistanceTrack last;
};

inline constexpr const char* kEnterFromText = "Please enter a From location.";
inline constexpr const char* kEnterToText = "Please enter a To location.";

// Checks From, finds it, checks To, finds it (stopping at the first failure with its message,
// information icon), then computes the distance and both tracks.
DistanceTrackResult CalculateDistanceTrack(const DistanceTrackInput& in, const PlaceFinder& find);

// The three result texts of two places.
CalcResult DistanceTrackTexts(const Place& from, const Place& to, DistanceTrack* last = nullptr);
