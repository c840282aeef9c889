// trevallion-calc distance-track: the great-circle distance and tracks between two places, each
// an identifier of the navigation data or the user waypoints, or a typed position.
#include "CalcCommand.h"

#include "core/calculators/CalcStop.h"
#include "core/calculators/DistanceTrack.h"
#include "core/common/io/FileIo.h"
#include "core/common/settings/IniSettingsStore.h"
#include "core/common/text/PositionText.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavFileChoice.h"
#include "core/navdata/UserWaypointFile.h"
#include "core/navdata/UserWaypointStore.h"

#include <optional>

namespace {

std::optional<PlaceKind> KindFromText(const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == "airport")
        return PlaceKind::Airport;
    if (t == "navaid")
        return PlaceKind::NavAid;
    if (t == "user")
        return PlaceKind::User;
    return std::nullopt;
}

// The places the program itself would look in, unless the command names other files. Each file
// is read once and only when an identifier of its kind is looked up; nothing is written.
class Places {
public:
    explicit Places(const CalcArgs& args) : args_(args) {}

    Outcome<Place> Find(PlaceKind kind, const QString& text, const PlaceHint& hint) {
        if (text.contains(':')) {
            const std::optional<Position> position = ParsePositionText(text);
            if (!position)
                return Message{QStringLiteral("No position: ") + text +
                                   QStringLiteral(" (for example 40:00:00 N 001:00:00 E)."),
                               MessageIcon::Information};
            return Place{QString(), position->latitude, position->longitude};
        }
        if (kind == PlaceKind::User) {
            if (const Status read = ReadWaypoints(); !read.ok())
                return read.error();
        } else if (const Status loaded = LoadNav(); !loaded.ok()) {
            return loaded.error();
        }
        return FindPlace(kind, text.toUpper(), nav_, waypoints_, hint);
    }

private:
    Status LoadNav() {
        if (navLoaded_)
            return {};
        const QString path =
            args_.Has("nav")
                ? args_.Text("nav")
                : ChooseStartNavFile(IniSettingsStore(IniSettingsStore::DefaultPath())).path;
        if (Status loaded = nav_.LoadNavData(path); !loaded.ok())
            return loaded;
        navLoaded_ = true;
        return {};
    }

    // The program's own file may be missing (no waypoints yet); a file named here must exist.
    Status ReadWaypoints() {
        if (waypointsRead_)
            return {};
        const bool named = args_.Has("waypoints");
        QString path = named ? args_.Text("waypoints") : UserWaypointStore::DefaultPath();
        Outcome<QByteArray> bytes = ReadWholeFile(
            path, QStringLiteral("Error:\nUnable to open the waypoint file.\n"), kMaxDataFileBytes);
        if (!bytes && !named && !UserWaypointStore::DefaultFallbackPath().isEmpty())
            bytes = ReadWholeFile(UserWaypointStore::DefaultFallbackPath(), {}, kMaxDataFileBytes);
        if (bytes)
            waypoints_ = ParseUserWaypointFile(bytes.value()).waypoints;
        else if (named)
            return bytes.error();
        waypointsRead_ = true;
        return {};
    }

    const CalcArgs& args_;
    NavDatabase nav_;
    bool navLoaded_ = false;
    QVector<UserWaypoint> waypoints_;
    bool waypointsRead_ = false;
};

CalcResult DistanceTrack(const CalcArgs& a) {
    const std::optional<PlaceKind> fromKind = KindFromText(a.Text("from-kind"));
    const std::optional<PlaceKind> toKind = KindFromText(a.Text("to-kind"));
    if (!fromKind || !toKind) {
        a.ReportUsage(QStringLiteral("--from-kind and --to-kind take airport, navaid or user."));
        return StopWith(CalcMessage("--from-kind and --to-kind take airport, navaid or user."));
    }
    Places places(a);
    const DistanceTrackInput in{*fromKind, a.Text("from").trimmed(), *toKind,
                                a.Text("to").trimmed()};
    // A nav aid identifier several share is taken near the other end, as the dialog takes it; the
    // labels say which place was taken.
    DistanceTrackResult result = CalculateDistanceTrack(
        in, [&places](PlaceKind kind, const QString& text, const PlaceHint& hint) {
            return places.Find(kind, text, hint);
        });
    if (!result.texts.Stopped()) {
        if (!result.toName.isEmpty())
            result.texts.outputs.prepend({QStringLiteral("To"), result.toName});
        if (!result.fromName.isEmpty())
            result.texts.outputs.prepend({QStringLiteral("From"), result.fromName});
    }
    return result.texts;
}

const CalcCommandRegistration kDistanceTrack{{"distance-track",
                                              "Distance && Track",
                                              {{"from", "From"},
                                               {"from-kind", "From kind"},
                                               {"to", "To"},
                                               {"to-kind", "To kind"},
                                               {"nav", "Navigation data file"},
                                               {"waypoints", "User waypoints file"}},
                                              &DistanceTrack}};

} // namespace
