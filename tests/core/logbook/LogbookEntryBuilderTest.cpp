#include "LogbookTestSupport.h"

#include "core/logbook/LogbookEntryBuilder.h"
#include "core/navdata/NavDatabase.h"
#include "core/times/TimesState.h"

namespace {

constexpr double kSeaLat = 170824 / 3600.0, kSeaLon = 440158 / 3600.0;
constexpr double kBfiLat = 171270 / 3600.0, kBfiLon = 440286 / 3600.0;

SystemTime At(int day, int hour, int minute) {
    return SystemTime::FromDateTime(Utc(2026, 3, day, hour, minute));
}

FlightPosition North(double lat, double lon, double nm) {
    return FlightPosition{lat + nm / 60.0, lon};
}

class LogbookEntryBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        NavDataSet data;
        data.airports = {Seattle(), PlacedAirport("KBFI", "BOEING FIELD", 171270, 440286)};
        ASSERT_TRUE(nav.LoadNavData(WriteNavFile(folder, NavBytes(data))));
        sources.navData = &nav;
        sources.registration = QStringLiteral("N123A");
        sources.aircraftType = QStringLiteral("C172");
    }

    // A flight from start-up on one day to shut-down, with the GPS places of its one leg.
    void Fly(SystemTime startup, SystemTime takeoff, SystemTime landing, SystemTime shutdown,
             std::optional<FlightPosition> from, std::optional<FlightPosition> to) {
        times.flight.Set(FlightEvent::Startup, startup);
        times.flight.Set(FlightEvent::Takeoff, takeoff);
        times.flight.Set(FlightEvent::Landing, landing);
        times.flight.Set(FlightEvent::Shutdown, shutdown);
        times.legs.FirstTakeoff(takeoff, from);
        times.legs.FirstLanding(landing, to);
    }

    TempFolder folder;
    NavDatabase nav;
    LogbookSources sources;
    TimesState times;
};

TEST_F(LogbookEntryBuilderTest, DepartureAndArrivalFromGpsThenRouteThenEmpty) {
    const struct {
        const char* what;
        std::optional<FlightPosition> from, to;
        const char* route;
        const char* departure;
        const char* arrival;
    } cases[] = {
        {"both within 5 nm", North(kSeaLat, kSeaLon, 1.0), North(kBfiLat, kBfiLon, 4.9), "S43 PAE",
         "KSEA", "KBFI"},
        {"take-off 6 nm away: the route's first point", North(kSeaLat, kSeaLon, -6.0),
         North(kBfiLat, kBfiLon, 0.2), "S43 PAE", "S43", "KBFI"},
        {"no GPS: the route's ends", std::nullopt, std::nullopt, " KBFI SEA KSEA ", "KBFI", "KSEA"},
        {"no GPS, no plan", std::nullopt, std::nullopt, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fly(At(20, 18, 0), At(20, 18, 10), At(20, 19, 0), At(20, 19, 5), c.from, c.to);
        sources.route = QString::fromLatin1(c.route);
        const Outcome<NewLogbookEntry> made = BuildLogbookEntry(times, sources);
        ASSERT_TRUE(made.ok()) << made.error().text.toStdString();
        EXPECT_EQ(made->entry.departure, QString::fromLatin1(c.departure));
        EXPECT_EQ(made->entry.arrival, QString::fromLatin1(c.arrival));
        EXPECT_EQ(made->nightUnknown, !c.from && *c.route == '\0');
    }
}

// 23:50 to 00:20 UTC crosses midnight: the date is the start-up's, the times run on; seconds
// do not count, as on the Times view.
TEST_F(LogbookEntryBuilderTest, TimesAcrossMidnightAndLegs) {
    SystemTime startup = At(20, 23, 50);
    startup.second = 59;
    Fly(startup, At(20, 23, 58), At(21, 0, 10), At(21, 0, 20), std::nullopt, std::nullopt);
    Outcome<NewLogbookEntry> made = BuildLogbookEntry(times, sources);
    ASSERT_TRUE(made.ok());
    const LogbookEntry& e = made->entry;
    EXPECT_EQ(e.date, QDate(2026, 3, 20));
    EXPECT_EQ(e.startup, Utc(2026, 3, 20, 23, 50));
    EXPECT_EQ(e.registration, QStringLiteral("N123A"));
    EXPECT_EQ(e.aircraftType, QStringLiteral("C172"));
    EXPECT_EQ((std::array{e.blockMinutes, e.flightMinutes, e.airMinutes, e.landings}),
              (std::array{30, 12, 12, 1}));

    // Two more circuits: three landings, air time only while airborne, flight time to the
    // last landing.
    ASSERT_TRUE(times.legs.FurtherTakeoff(At(21, 0, 12), std::nullopt));
    ASSERT_TRUE(times.legs.Landing(At(21, 0, 15), std::nullopt));
    ASSERT_TRUE(times.legs.FurtherTakeoff(At(21, 0, 16), std::nullopt));
    times.flight.Set(FlightEvent::Shutdown, At(21, 0, 30));
    made = BuildLogbookEntry(times, sources); // the last leg still airborne at shut-down
    ASSERT_TRUE(made.ok());
    EXPECT_EQ((std::array{made->entry.blockMinutes, made->entry.flightMinutes,
                          made->entry.airMinutes, made->entry.landings}),
              (std::array{40, 17, 15, 2}));
}

// Seattle, 21 March 2026: evening civil twilight ends about 02:53 UTC (19:53 local), morning
// civil twilight starts about 13:40 UTC.
TEST_F(LogbookEntryBuilderTest, NightTimeAndNightLandingsAtTheAirports) {
    const struct {
        const char* what;
        SystemTime startup, takeoff, landing, shutdown;
        int night, nightLandings;
    } cases[] = {
        {"all at night", At(21, 3, 30), At(21, 3, 40), At(21, 4, 30), At(21, 4, 40), 70, 1},
        {"a day flight", At(21, 18, 0), At(21, 18, 10), At(21, 19, 0), At(21, 19, 10), 0, 0},
        {"landing before dusk", At(21, 2, 0), At(21, 2, 10), At(21, 2, 45), At(21, 3, 0), 7, 0},
    };
    sources.route = QStringLiteral("KSEA KBFI");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Fly(c.startup, c.takeoff, c.landing, c.shutdown, std::nullopt, std::nullopt);
        const Outcome<NewLogbookEntry> made = BuildLogbookEntry(times, sources);
        ASSERT_TRUE(made.ok());
        EXPECT_NEAR(made->entry.nightMinutes, c.night, 1);
        EXPECT_EQ(made->entry.nightLandings, c.nightLandings);
        EXPECT_FALSE(made->nightUnknown);
    }
}

TEST_F(LogbookEntryBuilderTest, OnlyACompleteFlightMakesAnEntry) {
    EXPECT_FALSE(BuildLogbookEntry(times, sources).ok());
    times.flight.Set(FlightEvent::Startup, At(20, 10, 0));
    EXPECT_FALSE(BuildLogbookEntry(times, sources).ok());
    times.flight.Set(FlightEvent::Shutdown, At(20, 9, 0)); // set back by hand
    EXPECT_FALSE(FlightComplete(times));
    times.flight.Set(FlightEvent::Shutdown, At(24, 14, 0)); // more than 99 hours
    const Outcome<NewLogbookEntry> tooLong = BuildLogbookEntry(times, sources);
    ASSERT_FALSE(tooLong.ok());
    EXPECT_NE(tooLong.error().text.indexOf(QStringLiteral("99 hours")), -1);
    times.flight.Set(FlightEvent::Shutdown, At(20, 10, 0)); // a ground run of no minutes
    const Outcome<NewLogbookEntry> run = BuildLogbookEntry(times, sources);
    ASSERT_TRUE(run.ok());
    EXPECT_EQ(run->entry.landings, 1); // at least one, for the pilot to correct
    EXPECT_EQ(run->entry.airMinutes, 0);
}

} // namespace
