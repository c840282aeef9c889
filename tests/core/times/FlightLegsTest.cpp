#include "TimesTestSupport.h"

#include "core/common/settings/AppSettings.h"
#include "core/common/settings/MemorySettingsStore.h"
#include "core/times/ClockTick.h"
#include "core/times/FlightLegsStore.h"
#include "core/times/TimesState.h"

namespace {

class FlightLegsTick : public FixedClockTest {
protected:
    // One tick a minute later; the fix lies `north` minutes of arc north of 47:00N 122:00W.
    TickResult Tick(int speed, double north = 0.0) {
        clock.AdvanceSeconds(60);
        GpsReading gps;
        gps.open = gps.fresh = gps.values.fixValid = true;
        gps.fixSpeed = gps.values.speed = speed;
        gps.values.latitude = 4700.0 + north;
        gps.values.longitude = 12200.0;
        gps.values.latitudeHemisphere = 'N';
        gps.values.longitudeHemisphere = 'W';
        return ClockTick(times, tickClock, gps, settings);
    }

    TimesState times;
    TickClock tickClock;
    AppSettings settings;
};

// Circuits with full-stop landings: each take-off and landing after the first adds a leg with
// its place, the recorded times stay those of the first pair, and shutdown ends the counting.
TEST_F(FlightLegsTick, FurtherCircuitsAddLegsUntilShutdown) {
    settings.takeoffGroundSpeed = 40;
    ASSERT_TRUE(times.flight.RecordStartup());
    const struct {
        int speed;
        double north;
        size_t legs;
        bool airborne;
    } steps[] = {{60, 0, 1, true},  {30, 1, 1, false}, {45, 2, 2, true}, {41, 2, 2, true},
                 {39, 3, 2, false}, {10, 3, 2, false}, {70, 4, 3, true}, {20, 5, 3, false}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.speed);
        Tick(s.speed, s.north);
        EXPECT_EQ(times.legs.Legs().size(), s.legs);
        EXPECT_EQ(times.legs.Airborne(), s.airborne);
    }
    const std::vector<FlightLeg> legs = times.legs.Matching(times.flight);
    ASSERT_EQ(legs.size(), 3u);
    EXPECT_EQ(legs[0].takeoff, times.flight.Time(FlightEvent::Takeoff));
    EXPECT_EQ(legs[0].landing, times.flight.Time(FlightEvent::Landing));
    ASSERT_TRUE(legs[1].takeoffAt && legs[2].landingAt);
    EXPECT_NEAR(legs[1].takeoffAt->latitude, 47.0 + 2.0 / 60, 1e-9);
    EXPECT_DOUBLE_EQ(legs[2].landingAt->longitude, 122.0); // west is positive
    ASSERT_EQ(times.flight.RecordShutdown(), ShutdownRecord::Recorded);
    EXPECT_FALSE(Tick(80).legRecorded);
    EXPECT_EQ(times.legs.Legs().size(), 3u);
}

// Legs that no longer hold the recorded times (a reset, a new take-off) give way to one leg of
// the times, without places.
TEST_F(FlightLegsTick, ResetTimesAreNotMatchedByOldLegs) {
    settings.takeoffGroundSpeed = 40;
    Tick(60);
    Tick(30);
    Tick(60);
    Tick(30);
    ASSERT_EQ(times.legs.Matching(times.flight).size(), 2u);
    times.flight.ResetLanding();
    times.flight.Set(FlightEvent::Landing, RecordAt(23, 59)); // typed in, not recorded
    const std::vector<FlightLeg> legs = times.legs.Matching(times.flight);
    ASSERT_EQ(legs.size(), 1u);
    EXPECT_EQ(legs[0].landing, RecordAt(23, 59));
    EXPECT_FALSE(legs[0].takeoffAt || legs[0].landingAt);
    times.flight.ResetTakeoff();
    EXPECT_TRUE(times.legs.Matching(times.flight).empty());
    Tick(60); // a new first take-off drops the old legs
    EXPECT_EQ(times.legs.Legs().size(), 1u);
}

TEST(FlightLegsStore, RoundTripAndDamagedTexts) {
    FlightLegs legs;
    legs.FirstTakeoff(RecordAt(10, 5), FlightPosition{-33.946, -151.177});
    legs.FirstLanding(RecordAt(10, 50), std::nullopt);
    ASSERT_TRUE(legs.FurtherTakeoff(RecordAt(11, 0), FlightPosition{0.5, 179.999}));
    MemorySettingsStore store;
    SaveFlightLegs(store, legs);
    EXPECT_EQ(LoadFlightLegs(store).Legs(), legs.Legs());

    const QString good = FlightLegsText(legs);
    const QString bad[] = {
        QString(),
        good + QStringLiteral(";"),                              // an empty leg
        QStringLiteral("2026-03-20T10:05:00.000Z,1,,,,"),        // half a position
        QStringLiteral("2026-03-20T10:05:00.000Z,91,0,,,"),      // no latitude
        QStringLiteral("2026-03-20T10:05:00.000+01:00,,,,,"),    // not UTC
        QStringLiteral(",,,2026-03-20T10:05:00.000Z,,"),         // no take-off
        QStringLiteral("2026-03-20T10:05:00.000Z,,,,,;") + good, // airborne, then more
        QStringLiteral("2026-03-20T10:05:00.000Z,nan,nan,,,"),
        QString(FlightLegs::kMaxLegs + 1, QLatin1Char(';')),
    };
    for (const QString& text : bad) {
        SCOPED_TRACE(text.left(80).toStdString());
        store.WriteText(QStringLiteral("Times.Legs"), text);
        EXPECT_FALSE(ParseFlightLegsText(text).has_value());
        EXPECT_TRUE(LoadFlightLegs(store).Legs().empty());
    }
    SaveFlightLegs(store, FlightLegs());
    EXPECT_TRUE(store.ReadText(QStringLiteral("Times.Legs")).isEmpty());
}

} // namespace
