// The flight plan from route to table texts: look-up order, legs with wind and variation, the
// cases a time cannot be given, and the stops.
#include "core/calculators/WindTriangle.h"
#include "core/navdata/NavDatabase.h"
#include "core/navdata/NavTestData.h"
#include "core/navdata/UserWaypointStore.h"
#include "core/planning/FlightPlanComputation.h"
#include "core/planning/PlanTable.h"
#include "core/planning/RoutePlaces.h"

namespace {

constexpr int kDegree = 3600; // seconds of arc

// Points on the equator, one degree (60 nm) apart, eastwards: AAA, BBB, CCC at 0, 1 and 2 degrees
// east; VARI with 10 degrees west variation one degree east of VARJ (also 10 west).
class PlanFixture : public ::testing::Test {
protected:
    void SetUp() override {
        NavDataSet data;
        data.airports = {Airport("AAA", 0, 0), Airport("BBB", 0, 1), Airport("CCC", 0, 2),
                         Airport("VARJ", 0, 0, 10), Airport("VARI", 0, 1, 10)};
        ASSERT_TRUE(nav_.LoadNavData(WriteNavFile(folder_, NavBytes(data))).ok());
    }

    static AirportDetails Airport(const char* ident, int lat, int east, float variation = 0) {
        AirportDetails a = TestAirport(QString::fromLatin1(ident), QStringLiteral("Field"),
                                       QStringLiteral("Town"));
        a.record.latitude = lat * kDegree;
        a.record.longitude = -east * kDegree;
        a.record.variation = variation;
        return a;
    }

    PlanInputs Inputs(const char* route, const char* tas, const char* windDirection = "0",
                      const char* windSpeed = "0", bool magnetic = false) const {
        return {QStringLiteral("C172"),         QString::fromLatin1(tas),
                QString::fromLatin1(route),     QString::fromLatin1(windDirection),
                QString::fromLatin1(windSpeed), magnetic};
    }

    PlanComputation Compute(const PlanInputs& inputs, double burn = 10) {
        const RoutePlaces places(&waypoints_, &nav_);
        Outcome<PlanComputation> result = ComputeFlightPlan(inputs, burn, places);
        EXPECT_TRUE(result.ok()) << result.error().text.toStdString();
        return result.ok() ? result.value() : PlanComputation();
    }

    TempFolder folder_;
    NavDatabase nav_;
    UserWaypointStore waypoints_{folder_.File("waypoints.db"), QString()};
};

TEST_F(PlanFixture, TableTextsOfWorkedRoutes) {
    struct Case {
        const char* name;
        PlanInputs inputs;
        QList<QStringList> rows;
        QString totals;
    };
    const QStringList lastB{"BBB", "", "", "", "", "", "", ""};
    const Case cases[] = {
        {"one identifier: one row, no totals",
         Inputs("AAA", "120"),
         {{"AAA", "", "", "", "", "", "", ""}},
         ""},
        {"spaces trimmed and runs of spaces split; calm: GS = TAS, heading = track",
         Inputs("  AAA  BBB ", "120"),
         {{"AAA", "60", "90°", "90°", "120", "00:30:00", "5.0", "00:30:00"}, lastB},
         "Total time: 00:30:00  Fuel: 5.0"},
        {"head wind on the course: GS = TAS - wind, no correction",
         Inputs("AAA BBB", "140", "90", "20"),
         {{"AAA", "60", "90°", "90°", "120", "00:30:00", "5.0", "00:30:00"}, lastB},
         "Total time: 00:30:00  Fuel: 5.0"},
        {"wind direction 360 is accepted",
         Inputs("AAA BBB", "120", "360", "0"),
         {{"AAA", "60", "90°", "90°", "120", "00:30:00", "5.0", "00:30:00"}, lastB},
         "Total time: 00:30:00  Fuel: 5.0"},
        {"fuel and time accumulate over the legs",
         Inputs("AAA BBB CCC", "120"),
         {{"AAA", "60", "90°", "90°", "120", "00:30:00", "5.0", "00:30:00"},
          {"BBB", "60", "90°", "90°", "120", "00:30:00", "10.0", "01:00:00"},
          {"CCC", "", "", "", "", "", "", ""}},
         "Total time: 01:00:00  Fuel: 10.0"},
        {"TAS 0: no time, fuel or elapsed time, no totals",
         Inputs("AAA BBB", "0"),
         {{"AAA", "60", "90°", "90°", "0", "", "", ""}, lastB},
         ""},
        {"true wind: tracks and headings turned by the average variation",
         Inputs("VARJ VARI", "120"),
         {{"VARJ", "60", "100°", "100°", "120", "00:30:00", "5.0", "00:30:00"},
          {"VARI", "", "", "", "", "", "", ""}},
         "Total time: 00:30:00  Fuel: 5.0"},
        {"magnetic wind on the nose of the magnetic track",
         Inputs("VARJ VARI", "140", "100", "20", true),
         {{"VARJ", "60", "100°", "100°", "120", "00:30:00", "5.0", "00:30:00"},
          {"VARI", "", "", "", "", "", "", ""}},
         "Total time: 00:30:00  Fuel: 5.0"},
        {"the same wind taken as true is 10 degrees off the nose",
         Inputs("VARJ VARI", "140", "100", "20"),
         {{"VARJ", "60", "100°", "101°", "120", "00:29:56", "5.0", "00:29:56"},
          {"VARI", "", "", "", "", "", "", ""}},
         "Total time: 00:29:56  Fuel: 5.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(CheckPlanWind(c.inputs).ok());
        const PlanComputation result = Compute(c.inputs);
        EXPECT_EQ(PlanTableRows(result.plan), c.rows);
        EXPECT_EQ(PlanTotalsText(result.plan), c.totals);
        EXPECT_TRUE(result.notices.isEmpty());
    }
}

TEST_F(PlanFixture, WindOutOfRangeIsRefusedWithItsValue) {
    const struct {
        const char* direction;
        const char* speed;
        const char* message;
    } cases[] = {{"361", "0", "Error: Invalid wind heading (361)"},
                 {"360", "91", "Error: Invalid wind speed (91)"},
                 {"400", "95", "Error: Invalid wind heading (400)"}};
    for (const auto& c : cases) {
        const Status status = CheckPlanWind(Inputs("AAA BBB", "120", c.direction, c.speed));
        ASSERT_FALSE(status.ok()) << c.direction;
        EXPECT_EQ(status.error().text, QString::fromLatin1(c.message));
        EXPECT_EQ(status.error().icon, MessageIcon::Information);
    }
}

TEST_F(PlanFixture, UserWaypointShadowsTheAirportOfTheSameIdentifier) {
    // A waypoint "BBB" two degrees east: the leg is 120 nm, not the airport's 60.
    ASSERT_TRUE(waypoints_.AddUserWaypoint({"BBB", "Mine", 0, -2 * kDegree, 0}).ok());
    const PlanComputation result = Compute(Inputs("AAA BBB", "120"));
    ASSERT_EQ(result.plan.points.size(), 2);
    EXPECT_EQ(result.plan.points[0].distance, 120);
}

TEST_F(PlanFixture, UnknownIdentifierStopsWithAWarning) {
    const RoutePlaces places(&waypoints_, &nav_);
    const Outcome<PlanComputation> result =
        ComputeFlightPlan(Inputs("AAA ZZZZ BBB", "120"), 10, places);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().text, QStringLiteral("Identifier ZZZZ not found."));
    EXPECT_EQ(result.error().icon, MessageIcon::Warning);
}

TEST_F(PlanFixture, OnlyTheFirst25PointsAreUsedAndThatIsSaidOnce) {
    QString route;
    for (int i = 0; i < 30; ++i)
        route += i % 2 ? QStringLiteral(" AAA") : QStringLiteral(" BBB");
    const PlanComputation result = Compute({"C172", "120", route, "0", "0", false});
    EXPECT_EQ(result.plan.points.size(), kMaxPlanPoints);
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_EQ(result.notices[0].text, QString::fromLatin1(kTooManyPointsText));
}

TEST_F(PlanFixture, WindTheAircraftCannotCounterLeavesThoseLegsOpen) {
    // 50 knots from the south against 40 knots TAS on every eastbound leg: said once.
    const PlanComputation result = Compute(Inputs("AAA BBB CCC", "40", "180", "50"));
    ASSERT_EQ(result.notices.size(), 1);
    EXPECT_EQ(result.notices[0].text, QString::fromLatin1(kWindTooStrongText));
    const QList<QStringList> rows = PlanTableRows(result.plan);
    EXPECT_EQ(rows[0], (QStringList{"AAA", "60", "90°", "", "", "", "", ""}));
    EXPECT_EQ(PlanTotalsText(result.plan), QString());
}

TEST(PlanHoursText, ExactMultiplesKeepTheirLastSecond) {
    for (int speed = 60; speed <= 250; speed += 10)
        for (int distance = 1; distance <= 400; ++distance)
            if (distance * 3600 % speed == 0) {
                const int s = distance * 3600 / speed;
                EXPECT_EQ(PlanHoursText(double(distance) / speed),
                          QString::asprintf("%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60))
                    << distance << " at " << speed;
            }
}

TEST(PlanHoursText, CutsEachPartAndRefusesWhatNoClockShows) {
    const struct {
        double hours;
        const char* text;
    } cases[] = {{0, "00:00:00"}, {1.5, "01:30:00"}, {0.25, "00:15:00"}, {26.0, "26:00:00"},
                 {-1, ""},        {1e300, ""},       {std::nan(""), ""}};
    for (const auto& c : cases)
        EXPECT_EQ(PlanHoursText(c.hours), QString::fromLatin1(c.text)) << c.hours;
}

// OLM is a VORTAC near Seattle and an NDB near Quito: a typed OLM is the one nearest the other
// end of its leg (the first point's, the second point), and the plan says which it took; a nav
// aid picked from a search is used as picked.
TEST(PlanSharedIdents, TheNearestOrThePickedNavAidIsUsed) {
    NavDataSet data;
    data.airports = {Seattle(), Quito()};
    data.navAids = SharedIdentNavAids();
    TempFolder folder;
    NavDatabase nav;
    ASSERT_TRUE(nav.LoadNavData(WriteNavFile(folder, NavBytes(data))).ok());
    const int olympia = nav.NavAidRow(0).name == "Olympia" ? 0 : 1;
    const QString nearOlympia = QStringLiteral("Identifier OLM: Olympia VORTAC (nearest of 2).");
    const struct {
        const char* route;
        bool pickOlympia;
        double firstLeg; // nm
        QStringList notices;
    } cases[] = {
        {"KSEA OLM", false, 39, {nearOlympia}},
        {"SEQM OLM", false, 25, {"Identifier OLM: Olmedo NDB (nearest of 2)."}},
        {"OLM KSEA", false, 39, {nearOlympia}},
        {"SEQM OLM", true, 3660, {}},
    };
    for (const auto& c : cases) {
        QVector<PlacePick> picks;
        if (c.pickOlympia)
            picks = {{PlaceKind::NavAid, "OLM", olympia}};
        const PlanInputs inputs{"C172", "100", c.route, "0", "0", false};
        const Outcome<PlanComputation> plan =
            ComputeFlightPlan(inputs, 10, RoutePlaces(nullptr, &nav, picks));
        ASSERT_TRUE(plan.ok()) << c.route;
        EXPECT_EQ(plan->plan.points[0].distance, c.firstLeg) << c.route;
        QStringList notices;
        for (const Message& m : plan->notices)
            notices.append(m.text);
        EXPECT_EQ(notices, c.notices) << c.route;
    }
}

} // namespace
