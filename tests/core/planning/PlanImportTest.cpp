// Importing another program's route: which known place each point becomes, the new user
// waypoints for the rest, and committing them without losing anything.
#include "PlanExchangeTestData.h"

#include "core/planning/PlanExchangeFile.h"
#include "core/planning/PlanImport.h"

#include <QFile>

namespace {

using S = ImportedPointSource;
using T = ExchangePointType;

// A point at a position in seconds of arc (latitude north, longitude west positive).
ExchangePoint At(const char* ident, std::optional<T> type, int32_t lat, int32_t lon) {
    return {QString::fromUtf8(ident), type, {}, {}, lat / 3600.0, -lon / 3600.0};
}

TEST_F(ExchangeFixture, PointsBecomeKnownPlacesOrNewWaypoints) {
    const int olmedo = nav_.NavAidRow(0).name == "Olmedo" ? 0 : 1;
    const struct {
        const char* name;
        QVector<ExchangePoint> points;
        const char* route;
        QVector<S> sources;
        QVector<PlacePick> picks;
        QStringList newWaypoints;
    } cases[] = {
        {"the file's type chooses the airport over a user waypoint of its name",
         {At("KBFI", T::Airport, 171108, 440287)},
         "KBFI",
         {S::Airport},
         {{PlaceKind::Airport, "KBFI", 0}},
         {}},
        {"a user waypoint in any letter case",
         {At("kbfi", T::UserWaypoint, 160000, 430000)},
         "KBFI",
         {S::UserWaypoint},
         {},
         {}},
        {"without a type: a user waypoint, an airport, a nav aid; the nearest of shared ones",
         {At("home", {}, 0, 0), At("KSEA", {}, 0, 0), At("OLM", {}, 600, 281000)},
         "HOME KSEA OLM",
         {S::UserWaypoint, S::Airport, S::NavAid},
         {{PlaceKind::NavAid, "OLM", olmedo}},
         {}},
        {"an identifier again is the same place again",
         {At("OLM", T::Ndb, 600, 281000), At("OLM", T::Vor, 169087, 442453)},
         "OLM OLM",
         {S::NavAid, S::NavAid},
         {{PlaceKind::NavAid, "OLM", olmedo}},
         {}},
        {"unknown points are named to fit, apart from every known and new identifier",
         {At("Lake Union", {}, 171800, 440000), At("K-SEA", T::UserWaypoint, 1, 1),
          At("home!", {}, 2, 2), At("Lake Union", {}, 171800, 440000),
          At("Lake Unicorn", {}, 3, 3)},
         "LAKEUN KSEA2 HOME2 LAKEUN LAKEU2",
         {S::NewWaypoint, S::NewWaypoint, S::NewWaypoint, S::NewWaypoint, S::NewWaypoint},
         {},
         {"LAKEUN", "KSEA2", "HOME2", "LAKEU2"}},
    };
    for (const auto& c : cases) {
        const PlanImport import =
            ResolvePlanImport({QStringLiteral("Trip"), c.points}, &waypoints_, &nav_);
        EXPECT_EQ(import.route, c.route) << c.name;
        QVector<S> sources;
        for (const ImportedPoint& point : import.points)
            sources.append(point.source);
        EXPECT_EQ(sources, c.sources) << c.name;
        ASSERT_EQ(import.picks.size(), c.picks.size()) << c.name;
        for (qsizetype i = 0; i < c.picks.size(); ++i)
            EXPECT_TRUE(import.picks[i].Names(c.picks[i].kind, c.picks[i].ident) &&
                        import.picks[i].position == c.picks[i].position)
                << c.name;
        QStringList made;
        for (const UserWaypoint& waypoint : import.newWaypoints)
            made << waypoint.ident;
        EXPECT_EQ(made, c.newWaypoints) << c.name;
    }
}

TEST_F(ExchangeFixture, NewWaypointsTakeNameAndVariationFromTheirSurroundings) {
    const PlanImport import = ResolvePlanImport(
        {{}, {At("Lake Union Seaplane Base", {}, 171800, 440000), At("", {}, 0, 600000)}},
        &waypoints_, &nav_);
    ASSERT_EQ(import.newWaypoints.size(), 2);
    const UserWaypoint near = import.newWaypoints[0];
    EXPECT_EQ(near.name, "Lake Union Seap"); // the edit field's 15 characters
    EXPECT_EQ(near.variation, -16);          // of the VOR/DME 10 nm away
    EXPECT_EQ(import.newWaypoints[1].ident, "WPT");
    EXPECT_EQ(import.newWaypoints[1].variation, 0); // no nav aid within 200 nm
    EXPECT_EQ(import.points[0].offset, 0u);
    const PlanImport far = ResolvePlanImport(
        {{}, {At("OLM", {}, 0, 0), At("OLM", {}, 169087, 442453)}}, &waypoints_, &nav_);
    EXPECT_GT(far.points[1].offset, 3000u)
        << "the second OLM lies in Washington, the first taken in Ecuador";
}

TEST_F(ExchangeFixture, OnlyTheFirst25PointsAreTaken) {
    ExchangeRoute route;
    for (int i = 0; i < 30; ++i)
        route.points.append(At("SEA", T::Vor, 170767, 440316));
    const PlanImport import = ResolvePlanImport(route, &waypoints_, &nav_);
    EXPECT_EQ(import.points.size(), kMaxPlanPoints);
    ASSERT_EQ(import.notices.size(), 1);
    EXPECT_EQ(import.notices[0].text, QString::fromLatin1(kTooManyPointsText));
}

TEST_F(ExchangeFixture, CommittedWaypointsAreFoundAgainAndAFailedCommitChangesNothing) {
    const ExchangeRoute route{
        {}, {At("KSEA", T::Airport, 170824, 440158), At("Lake Union", {}, 171800, 440000)}};
    const PlanImport import = ResolvePlanImport(route, &waypoints_, &nav_);
    const QVector<UserWaypoint> before = waypoints_.Waypoints();

    // Another store whose file cannot be written: nothing of the import stays in it.
    QFile plain(folder_.File("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    UserWaypointStore unwritable(folder_.File("plain/waypoints.db"), QString());
    EXPECT_FALSE(CommitPlanImport(import, unwritable).ok());
    EXPECT_TRUE(unwritable.Waypoints().isEmpty());

    ASSERT_TRUE(CommitPlanImport(import, waypoints_).ok());
    EXPECT_EQ(waypoints_.Count(), before.size() + 1);
    const Status twice = CommitPlanImport(import, waypoints_);
    ASSERT_FALSE(twice.ok());
    EXPECT_EQ(twice.error().text, "A user waypoint LAKEUN exists already.");
    EXPECT_EQ(waypoints_.Count(), before.size() + 1);
    UserWaypointStore reloaded(folder_.File("waypoints.db"), QString());
    ASSERT_TRUE(reloaded.LoadUserWaypoints().ok());
    const PlanImport again = ResolvePlanImport(route, &reloaded, &nav_);
    EXPECT_TRUE(again.newWaypoints.isEmpty());
    EXPECT_EQ(again.route, import.route);
    EXPECT_TRUE(Plan(again.route, again.picks).points.size() == 2);
}

TEST_F(ExchangeFixture, AHandWrittenFplImports) {
    // Country codes, a type of other letter case in a route point, a comment, an extension of
    // another namespace and a route point that names its waypoint by identifier alone.
    const QByteArray text = R"(<?xml version="1.0" encoding="utf-8"?>
<!-- written by hand -->
<flight-plan xmlns="http://www8.garmin.com/xmlschemas/FlightPlan/v1" xmlns:x="urn:x">
  <created>2026-04-01T08:00:00Z</created>
  <waypoint-table>
    <waypoint>
      <identifier>KBFI</identifier><type>AIRPORT</type><country-code>K1</country-code>
      <lat> 47.53 </lat><lon>-122.301944</lon><comment>BOEING FLD</comment>
      <x:extra>ignored</x:extra>
    </waypoint>
    <waypoint>
      <identifier>UNION</identifier><type>USER WAYPOINT</type><country-code/>
      <lat>47.6333</lat><lon>-122.3333</lon>
    </waypoint>
    <waypoint>
      <identifier>SEA</identifier><type>VOR</type><country-code>K1</country-code>
      <lat>47.435</lat><lon>-122.31</lon>
    </waypoint>
  </waypoint-table>
  <route>
    <route-name>BFI UNION</route-name>
    <flight-plan-index>1</flight-plan-index>
    <route-point><waypoint-identifier>KBFI</waypoint-identifier>
      <waypoint-type>AIRPORT</waypoint-type><waypoint-country-code>K1</waypoint-country-code>
    </route-point>
    <route-point><waypoint-identifier>UNION</waypoint-identifier>
      <waypoint-type>USER WAYPOINT</waypoint-type><waypoint-country-code></waypoint-country-code>
    </route-point>
    <route-point><waypoint-identifier>SEA</waypoint-identifier></route-point>
  </route>
</flight-plan>
)";
    const Outcome<ExchangeRoute> read = ParsePlanExchangeText(text);
    ASSERT_TRUE(read.ok()) << read.error().text.toStdString();
    EXPECT_EQ(read->name, "BFI UNION");
    EXPECT_EQ(read->points[0].countryCode, "K1");
    EXPECT_EQ(read->points[0].latitude, 47.53);
    const PlanImport import = ResolvePlanImport(read.value(), &waypoints_, &nav_);
    EXPECT_EQ(import.route, "KBFI UNION SEA");
    ASSERT_EQ(import.newWaypoints.size(), 1);
    EXPECT_EQ(import.newWaypoints[0].latitude, 171480); // 47.6333 degrees, to the second
    EXPECT_EQ(import.newWaypoints[0].longitude, 440400);
}

} // namespace
