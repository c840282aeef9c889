#include "core/planning/PlanImport.h"

#include "core/common/Constants.h"
#include "core/navdata/GreatCircle.h"
#include "core/navdata/NavAidChoice.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/UserWaypointEntry.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/ImportedWaypoints.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr int kMaxRouteIdentLength = 12;

// The identifier as the route would hold it: capitals, no spaces; "" when it cannot be one.
QString RouteIdent(const QString& ident) {
    QString upper = ident.trimmed().toUpper();
    if (upper.size() > kMaxRouteIdentLength ||
        std::any_of(upper.begin(), upper.end(), [](QChar c) { return c.isSpace(); }))
        return {};
    return upper;
}

// The kinds to look an identifier up as, the one the file's type names first.
QVector<ImportedPointSource> LookUpOrder(const std::optional<ExchangePointType>& type) {
    using S = ImportedPointSource;
    if (type == ExchangePointType::Airport)
        return {S::Airport, S::UserWaypoint, S::NavAid};
    if (type && type != ExchangePointType::UserWaypoint)
        return {S::NavAid, S::UserWaypoint, S::Airport};
    return {S::UserWaypoint, S::Airport, S::NavAid};
}

// The position of the airport in the navigation data's index; -1 when it has none.
int AirportIndexPosition(NavDatabase& navData, const QString& ident) {
    const std::optional<IdentKey> key = IdentKey::FromText(ident);
    const std::vector<AirportIndexEntry>& index = navData.AirportIndex();
    if (!key)
        return -1;
    const auto found =
        std::lower_bound(index.begin(), index.end(), *key,
                         [](const AirportIndexEntry& e, const IdentKey& k) { return e.key < k; });
    return found != index.end() && found->key == *key ? static_cast<int>(found - index.begin())
                                                      : -1;
}

class ImportResolver {
public:
    ImportResolver(const UserWaypointStore* waypoints, NavDatabase* navData)
        : waypoints_(waypoints), navData_(navData), newPoints_(waypoints, navData) {}

    void Add(const ExchangePoint& point, PlanImport* import);
    const QVector<UserWaypoint>& NewWaypoints() const { return newPoints_.All(); }

private:
    // A place of the data taken for an identifier, where it lies.
    struct Known {
        ImportedPoint point;
        Position at;
    };

    bool Find(ImportedPointSource source, const QString& ident, const Position& near, Known* found,
              std::optional<PlacePick>* pick);
    bool FindInNavData(ImportedPointSource source, const QString& ident, const Position& near,
                       Known* found, std::optional<PlacePick>* pick);

    const UserWaypointStore* waypoints_;
    NavDatabase* navData_;
    ImportedWaypoints newPoints_;
    QHash<QString, Known> known_; // by route identifier
};

bool ImportResolver::Find(ImportedPointSource source, const QString& ident, const Position& near,
                          Known* found, std::optional<PlacePick>* pick) {
    found->point.source = source;
    found->point.ident = ident;
    if (source != ImportedPointSource::UserWaypoint)
        return navData_ && FindInNavData(source, ident, near, found, pick);
    UserWaypoint waypoint;
    if (!waypoints_ || !waypoints_->FindUserWaypoint(ident, &waypoint))
        return false;
    found->point.name = waypoint.name;
    found->at = {waypoint.latitude, waypoint.longitude};
    return true;
}

bool ImportResolver::FindInNavData(ImportedPointSource source, const QString& ident,
                                   const Position& near, Known* found,
                                   std::optional<PlacePick>* pick) {
    if (source == ImportedPointSource::Airport) {
        AirportRecord airport;
        if (!navData_->GetAirportSummary(ident, &airport, &found->point.name))
            return false;
        found->at = {airport.latitude, airport.longitude};
        // Without a pick the route would find a user waypoint of the same identifier first.
        if (UserWaypoint shadow; waypoints_ && waypoints_->FindUserWaypoint(ident, &shadow))
            *pick = PlacePick{PlaceKind::Airport, ident, AirportIndexPosition(*navData_, ident)};
        return true;
    }
    const NavAidChoice choice = ChooseNavAid(*navData_, ident, near);
    NavAidRecord aid;
    if (!navData_->NavAidAt(choice.position, ident, &aid, &found->point.name))
        return false;
    found->at = {aid.latitude, aid.longitude};
    *pick = PlacePick{PlaceKind::NavAid, ident, choice.position};
    return true;
}

unsigned Distance(const Position& a, const Position& b) {
    return GreatCircleDistance(a.latitude * units::kOne3600th, a.longitude * units::kOne3600th,
                               b.latitude * units::kOne3600th, b.longitude * units::kOne3600th);
}

void ImportResolver::Add(const ExchangePoint& point, PlanImport* import) {
    const QString ident = RouteIdent(point.ident);
    const Position near = SecondsOfArc(point);
    auto known = known_.constFind(ident);
    if (!ident.isEmpty() && known == known_.cend()) {
        Known found;
        std::optional<PlacePick> pick;
        for (const ImportedPointSource source : LookUpOrder(point.type)) {
            if (Find(source, ident, near, &found, &pick)) {
                known = known_.insert(ident, found);
                if (pick)
                    import->picks.append(*pick);
                break;
            }
        }
    }
    ImportedPoint imported;
    if (!ident.isEmpty() && known != known_.cend()) {
        imported = known->point;
        imported.offset = Distance(near, known->at);
    } else if (const std::optional<UserWaypoint> before = newPoints_.MadeBefore(point)) {
        imported.source = ImportedPointSource::UserWaypoint;
        imported.ident = before->ident;
        imported.name = before->name;
    } else {
        const UserWaypoint waypoint = newPoints_.For(point);
        imported.ident = waypoint.ident;
        imported.name = waypoint.name;
    }
    imported.file = point;
    import->points.append(imported);
}

} // namespace

PlanImport ResolvePlanImport(const ExchangeRoute& route, const UserWaypointStore* waypoints,
                             NavDatabase* navData) {
    PlanImport import;
    ImportResolver resolver(waypoints, navData);
    QVector<ExchangePoint> points = route.points;
    if (points.size() > kMaxPlanPoints) {
        points.resize(kMaxPlanPoints);
        import.notices.append({QString::fromLatin1(kTooManyPointsText), MessageIcon::Information});
    }
    QStringList idents;
    for (const ExchangePoint& point : points) {
        resolver.Add(point, &import);
        idents.append(import.points.last().ident);
    }
    import.route = idents.join(QLatin1Char(' '));
    import.newWaypoints = resolver.NewWaypoints();
    return import;
}

namespace {

// Takes the waypoints of these identifiers out of the store again (as far as they are in it).
void RemoveAdded(UserWaypointStore& store, const QStringList& idents) {
    for (auto ident = idents.crbegin(); ident != idents.crend(); ++ident) {
        const QVector<UserWaypoint>& all = store.Waypoints();
        const auto found = std::find_if(all.cbegin(), all.cend(),
                                        [&](const UserWaypoint& w) { return w.ident == *ident; });
        if (found != all.cend())
            (void)store.DeleteUserWaypoint(static_cast<int>(found - all.cbegin()));
    }
}

} // namespace

Status CommitPlanImport(const PlanImport& import, UserWaypointStore& waypoints) {
    for (const UserWaypoint& waypoint : import.newWaypoints)
        if (UserWaypoint existing; waypoints.FindUserWaypoint(waypoint.ident, &existing))
            return Status::Fail(
                QStringLiteral("A user waypoint %1 exists already.").arg(existing.ident));
    QStringList added;
    for (const UserWaypoint& waypoint : import.newWaypoints) {
        added.append(waypoint.ident);
        if (Status saved = waypoints.AddUserWaypoint(waypoint); !saved) {
            RemoveAdded(waypoints, added);
            return saved;
        }
    }
    return {};
}
