#include "LogbookTestSupport.h"

#include "core/logbook/NightTime.h"

namespace {

// Worked by hand for 0 N 0 E on 20 March 2026: the sun's declination is -0.24 degrees and the
// equation of time -7.6 minutes, so the hour angle at 96 degrees from the zenith is
// arccos(cos 96 / cos(-0.24)) = 96.0 degrees = 384 minutes of time. Morning civil twilight
// starts at 720 - 384 + 7.6 = 343.5 minutes (05:43:30 UTC), evening civil twilight ends at
// 720 + 384 + 7.6 = 1111.4 minutes (18:31:20 UTC). Sunset (90.833 degrees) is 18:10:40.
const FlightPosition kGulfOfGuinea{0.0, 0.0};

TEST(NightTime, CivilTwilightAtAPlaceAndDate) {
    const struct {
        const char* what;
        QDateTime from, to;
        FlightPosition where;
        int night, tolerance;
    } cases[] = {
        {"evening: night from 18:31", Utc(2026, 3, 20, 17, 0), Utc(2026, 3, 20, 20, 0),
         kGulfOfGuinea, 89, 1},
        {"morning: night until 05:43", Utc(2026, 3, 20, 4, 0), Utc(2026, 3, 20, 7, 0),
         kGulfOfGuinea, 104, 1},
        {"between sunset and dusk is not night", Utc(2026, 3, 20, 18, 11), Utc(2026, 3, 20, 18, 30),
         kGulfOfGuinea, 0, 0},
        {"across midnight, all night", Utc(2026, 3, 20, 23, 0), Utc(2026, 3, 21, 1, 0),
         kGulfOfGuinea, 120, 0},
        // 78 N: the sun stays more than 6 degrees above the horizon at midsummer and below
        // it at midwinter.
        {"polar summer has no night",
         Utc(2026, 6, 21, 0, 0),
         Utc(2026, 6, 21, 23, 0),
         {78.0, -15.0},
         0,
         0},
        {"polar winter is all night",
         Utc(2026, 12, 21, 10, 0),
         Utc(2026, 12, 21, 14, 0),
         {78.0, -15.0},
         240,
         0},
        // At 180 W the local afternoon of 20 March is early on the UTC date: the twilight of
        // the UTC date before it covers it.
        {"the date line's afternoon",
         Utc(2026, 3, 20, 2, 0),
         Utc(2026, 3, 20, 3, 0),
         {0.0, 180.0},
         0,
         0},
        {"a flight that ends before it starts", Utc(2026, 3, 20, 20, 0), Utc(2026, 3, 20, 19, 0),
         kGulfOfGuinea, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FlightPath path;
        path.Add(c.from, c.where);
        EXPECT_NEAR(NightMinutes(c.from, c.to, path), c.night, c.tolerance);
    }
    EXPECT_EQ(NightMinutes(Utc(2026, 3, 20, 20, 0), Utc(2026, 3, 20, 21, 0), FlightPath()), 0);
}

TEST(NightTime, PathMovesBetweenPlacesTheShortWay) {
    FlightPath path;
    path.Add(Utc(2026, 3, 20, 10, 0), FlightPosition{10.0, 179.0});
    path.Add(Utc(2026, 3, 20, 12, 0), FlightPosition{20.0, -179.0});
    path.Add(Utc(2026, 3, 20, 9, 0), std::nullopt); // no place: ignored
    const struct {
        QDateTime at;
        double latitude, longitude;
    } cases[] = {{Utc(2026, 3, 20, 8, 0), 10.0, 179.0},
                 {Utc(2026, 3, 20, 11, 0), 15.0, 180.0},
                 {Utc(2026, 3, 20, 11, 30), 17.5, -179.5},
                 {Utc(2026, 3, 20, 13, 0), 20.0, -179.0}};
    for (const auto& c : cases) {
        const std::optional<FlightPosition> p = path.At(c.at);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->latitude, c.latitude, 1e-9);
        EXPECT_NEAR(std::fabs(p->longitude), std::fabs(c.longitude), 1e-9);
        EXPECT_EQ(p->longitude < 0, c.longitude < 0);
    }
}

} // namespace
