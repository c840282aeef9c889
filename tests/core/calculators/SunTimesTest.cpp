#include "core/calculators/SunTimes.h"
#include "core/calculators/SolarPosition.h"
#include "core/calculators/SunTimesPlace.h"
#include "core/calculators/SunTimesSettings.h"
#include "core/common/entry/CoordinateEntryText.h"
#include "core/common/settings/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList SunTexts(const CalcResult& r) {
    QStringList texts;
    for (const CalcField& f : r.outputs)
        texts << f.label + ": " + f.text;
    return texts;
}

// Meeus's worked examples of the Julian day (0h of the date; January and February count as
// months 13 and 14 of the year before).
TEST(SunTimesTest, JulianDayOfWorkedExamples) {
    const struct {
        int y, m, d;
        double jd;
    } cases[] = {{2000, 1, 1, 2451544.5},
                 {1987, 1, 27, 2446822.5},
                 {1988, 6, 19, 2447331.5},
                 {1600, 12, 31, 2305812.5}};
    for (const auto& c : cases)
        EXPECT_EQ(SunJulianDay(c.y, c.m, c.d), c.jd) << c.y << '-' << c.m << '-' << c.d;
}

// A check of the formulas against published sunrise and sunset times (minutes after 0:00 UTC),
// which the program's constants must meet within 2 minutes.
TEST(SunTimesTest, AgreesWithPublishedTablesWithinTwoMinutes) {
    const struct {
        const char* place;
        int y, m, d;
        double lat, lon; // north, west
        double rise, set;
    } cases[] = {
        // Equinox at the equator on the prime meridian: the day is 12 hours and some minutes
        // of refraction, centred on noon less the equation of time (-7.5 min).
        {"0N 0W", 2026, 3, 20, 0.0, 0.0, 6 * 60 + 4, 18 * 60 + 11},
        {"Greenwich", 2026, 12, 21, 51.4779, 0.0015, 8 * 60 + 4, 15 * 60 + 53},
        {"Seattle", 2026, 6, 21, 47.6062, 122.3321, 12 * 60 + 11, 28 * 60 + 11},
        {"Sydney", 2026, 12, 21, -33.8688, -151.2093, -(5 * 60 + 19), 9 * 60 + 5},
    };
    for (const auto& c : cases) {
        const double jd = SunJulianDay(c.y, c.m, c.d);
        const SunEventTime rise = SunEventMinutes(jd, c.lat, c.lon, true);
        const SunEventTime set = SunEventMinutes(jd, c.lat, c.lon, false);
        ASSERT_EQ(rise.allDay, SunAllDay::None) << c.place;
        EXPECT_NEAR(rise.minutes, c.rise, 2.0) << c.place;
        EXPECT_NEAR(set.minutes, c.set, 2.0) << c.place;
    }
    // The sun's declination near the solstices and the equation of time near its extremes.
    const SolarQuantities june =
        ComputeSolarQuantities((SunJulianDay(2026, 6, 21) - 2451545.0) / 36525.0);
    EXPECT_NEAR(june.declination, 23.44, 0.01);
    const SolarQuantities november =
        ComputeSolarQuantities((SunJulianDay(2026, 11, 3) - 2451545.0) / 36525.0);
    EXPECT_NEAR(november.equationOfTime, 16.4, 0.1);
}

// Texts worked out by hand from the formulas: the suffix "+" follows the "Z" of a sunset after
// midnight UTC (Seattle), "-" that of a sunrise before it (Sydney); local texts carry no "Z".
TEST(SunTimesTest, EightTextsWithDaySuffixes) {
    const struct {
        double lat, lon;
        QDate date;
        double offset;
        QStringList texts;
    } cases[] = {
        {47.6062,
         122.3321,
         QDate(2026, 6, 21),
         -7,
         {"Official \"day\" UTC: 11:42Z", "Official \"day\" Local: 04:42", "Sun rise UTC: 12:12Z",
          "Sun rise Local: 05:12", "Sun set UTC: 04:11Z+", "Sun set Local: 21:11",
          "Official \"night\" UTC: 04:41Z+", "Official \"night\" Local: 21:41"}},
        {-33.8688,
         -151.2093,
         QDate(2026, 12, 21),
         11,
         {"Official \"day\" UTC: 18:11Z-", "Official \"day\" Local: 05:11", "Sun rise UTC: 18:41Z-",
          "Sun rise Local: 05:41", "Sun set UTC: 09:05Z", "Sun set Local: 20:05",
          "Official \"night\" UTC: 09:35Z", "Official \"night\" Local: 20:35"}},
        // With offset 0 only the UTC column is filled.
        {0.0,
         0.0,
         QDate(2026, 3, 20),
         0,
         {"Official \"day\" UTC: 05:34Z", "Official \"day\" Local: ", "Sun rise UTC: 06:04Z",
          "Sun rise Local: ", "Sun set UTC: 18:11Z",
          "Sun set Local: ", "Official \"night\" UTC: 18:41Z", "Official \"night\" Local: "}},
    };
    for (const auto& c : cases) {
        const CalcResult r = CalculateSunTimes({c.lat, c.lon, c.date, c.offset});
        EXPECT_FALSE(r.Stopped());
        EXPECT_EQ(SunTexts(r), c.texts) << c.lat;
    }
}

// At 78 N the sun neither sets in June nor rises in December: each row says so, in the local
// column only when an offset is given.
TEST(SunTimesTest, PolarDayAndNight) {
    for (const auto& [date, text] : {std::pair{QDate(2026, 6, 21), "Up all day"},
                                     std::pair{QDate(2026, 12, 21), "Down all day"}}) {
        for (double offset : {0.0, 1.0}) {
            const CalcResult r = CalculateSunTimes({78.0, -15.0, date, offset});
            ASSERT_EQ(r.outputs.size(), 8);
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(r.outputs[i].text, i % 2 == 0 || offset != 0.0 ? text : "")
                    << r.outputs[i].label.toStdString() << ' ' << date.month();
        }
    }
}

TEST(SunTimesTest, TimeTextRoundsAndCarries) {
    const struct {
        double minutes;
        bool utc;
        const char* text;
    } cases[] = {
        {17 * 60 + 59.5, true, "18:00Z"}, // 30 s round the minute up, 60 minutes carry
        {17 * 60 + 59 + 29.0 / 60, false, "17:59"},
        {23 * 60 + 59.6, true, "00:00Z+"}, // the carry crosses midnight
        {24 * 60 + 5, false, "00:05+"},
        {-1, true, "23:59Z-"},
        {-24 * 60 - 1, false, "23:59-"}, // more than a day earlier still lands in 0-23
        {0, true, "00:00Z"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SunTimeText(c.minutes, c.utc), c.text) << c.minutes;
}

TEST(SunTimesTest, CoordinateTextsWithHemisphere) {
    const struct {
        const char* text;
        bool longitude;
        bool valid;
        int32_t seconds;
        bool negative;
    } cases[] = {
        {"47:26.94N", false, true, 47 * 3600 + 26 * 60 + 56, false},
        {"33:56:46 s", false, true, 33 * 3600 + 56 * 60 + 46, true},
        {"122:18:30W", true, true, 122 * 3600 + 18 * 60 + 30, false},
        {"151:10.65 E", true, true, 151 * 3600 + 10 * 60 + 39, true},
        {"00:00.00N", false, true, 0, false},
        {"90:00.00N", false, false, 0, false}, // beyond the field's 89
        {"47:26.94W", false, false, 0, false}, // a longitude's letter
        {"47:60.00N", false, false, 0, false},
        {"47:26:60N", false, false, 0, false},
        {"47.5N", false, false, 0, false},
        {"", false, false, 0, false},
    };
    for (const auto& c : cases) {
        const auto entry = ParseCoordinateEntry(c.text, c.longitude);
        ASSERT_EQ(entry.has_value(), c.valid) << c.text;
        if (entry) {
            EXPECT_EQ(entry->SecondsOfArc(), c.seconds) << c.text;
            EXPECT_EQ(entry->NegativeHemisphere(), c.negative) << c.text;
        }
    }
}

TEST(SunTimesTest, CommandLineTextsAndTheirMessages) {
    const QDate today(2026, 3, 20);
    const CalcResult seattle =
        CalculateSunTimesFromText("47:36.37N", "122:19.93W", "2026-06-21", "-7", today);
    EXPECT_EQ(seattle.Text("Sun set UTC"), "04:11Z+");
    EXPECT_EQ(
        CalculateSunTimesFromText("00:00.00N", "000:00.00W", "", "", today).Text("Sun rise UTC"),
        "06:04Z"); // the equator and the prime meridian are places like any other
    const struct {
        const char *lat, *lon, *date, *offset, *message;
    } refused[] = {
        {"", "122:19.93W", "", "", "Please enter the latitude and the longitude."},
        {"47:36.37", "122:19.93W", "", "", "Invalid latitude."},
        {"47:36.37N", "122:19.93N", "", "", "Invalid longitude."},
        {"47:36.37N", "122:19.93W", "2026-02-30", "", "Invalid date."},
        {"47:36.37N", "122:19.93W", "", "seven", "Invalid UTC offset."},
    };
    for (const auto& c : refused) {
        const CalcResult r = CalculateSunTimesFromText(c.lat, c.lon, c.date, c.offset, today);
        ASSERT_TRUE(r.Stopped()) << c.message;
        EXPECT_TRUE(r.stop->text.startsWith(c.message)) << r.stop->text.toStdString();
    }
}

} // namespace

namespace {

// A place's signs set the toggles (0 is north and west); typed degrees are signed by them.
TEST(SunTimesTest, PlacesAndTogglesAgree) {
    const struct {
        int32_t latitude, longitude; // seconds of arc, positive north and west
        bool south, east;
    } places[] = {{-3600, 7200, true, false}, {0, 0, false, false}, {1, -1, false, true}};
    for (const auto& p : places) {
        const SunTimesPlace place = SunTimesPlaceFromSeconds(p.latitude, p.longitude);
        EXPECT_EQ(place.south, p.south);
        EXPECT_EQ(place.east, p.east);
        const SunTimesPlace typed = SunTimesPlaceFromTyped(
            std::abs(place.latitude), std::abs(place.longitude), place.south, place.east);
        EXPECT_DOUBLE_EQ(typed.latitude, place.latitude);
        EXPECT_DOUBLE_EQ(typed.longitude, place.longitude);
    }
}

// The remembered inputs come back with their hemispheres; a location the list has no item for
// reads as "Airport".
TEST(SunTimesTest, RememberedInputsComeBack) {
    MemorySettingsStore store;
    SaveSunTimesSettings(store, SunTimesLocation::Waypoint, "47:26.94", true, "122:18:30", true,
                         "-8");
    const SunTimesSettings back = SunTimesSettings::Load(store);
    EXPECT_EQ(back.location, SunTimesLocation::Waypoint);
    ASSERT_TRUE(back.latitude && back.longitude);
    EXPECT_TRUE(back.latitude->NegativeHemisphere());
    EXPECT_TRUE(back.longitude->secondsForm);
    EXPECT_EQ(back.utcOffset, "-8");
    store.WriteInt("SunTimes.Location", 3);
    EXPECT_EQ(SunTimesSettings::Load(store).location, SunTimesLocation::Airport);
}

} // namespace
