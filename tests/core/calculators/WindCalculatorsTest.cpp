#include "core/calculators/WindCalculators.h"
#include "core/calculators/HeadingTime.h"
#include "core/calculators/WindTriangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The outputs as "Label: text" lines, as trevallion-calc prints them.
std::string Texts(const CalcResult& r) {
    QStringList texts;
    for (const CalcField& f : r.outputs)
        texts << f.label + ": " + f.text;
    return texts.join('\n').toStdString();
}

std::string Lines(const QStringList& lines) {
    return lines.join('\n').toStdString();
}

QString StopText(const CalcResult& r) {
    return r.stop ? r.stop->text : QString();
}

TEST(WindTriangleTest, SolvesAndRefusesWindsTheAircraftCannotFlyAgainst) {
    const struct {
        double track, distance, tas, windSpeed, windDirection;
        double groundSpeed, heading, time; // expected; groundSpeed < 0 = refused
        const char* message;
    } cases[] = {
        {90, 210, 120, 20, 45, 105.0216, 83.2319, 1.99959, nullptr},
        {90, 100, 120, 20, 90, 100.0, 90.0, 1.0, nullptr},           // wind on the nose
        {90, 100, 120, 20, 270, 140.0, 270.0 - 180, 0.714, nullptr}, // tail wind
        {123, 100, 0, 20, 45, 0.0, 123.0, 0.0, nullptr},             // no TAS given
        {123, 100, 0, 20, 123, 0.0, 123.0, 0.0, nullptr},            // no TAS, wind on the track
        {360, 100, 100, 150, 90, -1, 0, 0, kWindTooStrongText},
        {90, 100, 100, 120, 90, -1, 0, 0, kNoProgressText}, // head wind above the TAS
        {90, 100, 100, 100, 90, -1, 0, 0, kNoProgressText}, // ground speed exactly 0
        {10, 100, 100, 101, 12, -1, 0, 0, kNoProgressText}, // nearly on the nose
    };
    for (const auto& c : cases) {
        const Outcome<WindSolution> s =
            SolveWindTriangle(c.track, c.distance, c.tas, c.windSpeed, c.windDirection);
        if (c.message) {
            ASSERT_FALSE(s.ok()) << c.track << ' ' << c.windDirection;
            EXPECT_EQ(s.error().text, QString::fromUtf8(c.message));
            EXPECT_EQ(s.error().icon, MessageIcon::Information);
            continue;
        }
        ASSERT_TRUE(s.ok()) << c.track << ' ' << c.windDirection;
        EXPECT_NEAR(s->groundSpeed, c.groundSpeed, 1e-3);
        EXPECT_NEAR(s->heading, c.heading, 1e-3);
        EXPECT_NEAR(s->time, c.time, 1e-3);
    }
}

TEST(GroundSpeedTest, ShownResults) {
    const struct {
        const char *wd, *ws, *course, *tas;
        const char* heading;
        const char* groundSpeed;
    } cases[] = {
        {"45", "20", "90", "120", "83°", "105"},   {"270", "30", "360", "100", "343°", "95"},
        {"90", "20", "90", "120", "90°", "100"},   // wind equal to course
        {"90", "25", "90", "120", "90°", "95"},    // TAS - wind speed to the tenth
        {"90", "150", "360", "100", "0°", "0"},    // the TAS cannot counter the wind
        {"", "20", "90", "120", "0°", "0"},        // a zero input
        {"90", "20", "90", "abc", "0°", "0"},      // no number reads 0
        {"360", "20", "360", "120", "360°", "100"} // 360 is accepted
    };
    for (const auto& c : cases) {
        const GroundSpeedResult r = CalculateGroundSpeed({c.wd, c.ws, c.course, c.tas});
        EXPECT_FALSE(r.texts.Stopped());
        EXPECT_EQ(Texts(r.texts), Lines({QString("Heading: ") + QString::fromUtf8(c.heading),
                                         QString("Ground Speed: ") + c.groundSpeed}))
            << c.wd << '/' << c.course;
    }
}

TEST(GroundSpeedTest, ZeroBecomes360AndRefusedDirectionsShowZeroResults) {
    GroundSpeedResult r = CalculateGroundSpeed({"0", "20", "0", "120"});
    EXPECT_EQ(r.texts.replaced, (QVector<CalcField>{{"Wind Direction", "360"}, {"Course", "360"}}));
    EXPECT_EQ(r.texts.Text("Ground Speed"), "100");
    EXPECT_TRUE(r.graph.hasResult);

    r = CalculateGroundSpeed({"361", "20", "90", "120"});
    EXPECT_EQ(StopText(r.texts), "Invalid wind direction.");
    EXPECT_EQ(Texts(r.texts), Lines({QString::fromUtf8("Heading: 0°"), "Ground Speed: 0"}));
    EXPECT_FALSE(r.graph.hasResult);

    r = CalculateGroundSpeed({"0", "20", "400", "120"});
    EXPECT_EQ(StopText(r.texts), "Invalid course value.");
    EXPECT_EQ(r.texts.replaced.size(), 1); // the wind direction was already replaced
    EXPECT_EQ(CalculateGroundSpeed({"-10", "20", "90", "120"}).texts.stop->text,
              "Invalid wind direction.");
}

TEST(FindWindTest, ShownResults) {
    const struct {
        const char *heading, *groundSpeed, *course, *tas;
        const char* direction;
        const char* speed;
    } cases[] = {
        {"83", "105", "90", "120", "44°", "20"},
        {"350", "95", "360", "100", "281°", "18"},
        {"90", "100", "90", "120", "90°", "20"},    // head wind from the course
        {"180", "130", "180", "120", "360°", "10"}, // tail wind: course 180 gives 360
        {"190", "130", "190", "120", "10°", "10"},  // course 190 gives 10
        {"90", "0", "90", "120", "-1°", "-1"},      // any zero input: no result
        {"90", "100", "90", "", "-1°", "-1"},
        {"", "100", "360", "120", "360°", "20"}, // an empty heading is 360
    };
    for (const auto& c : cases) {
        const FindWindResult r = CalculateFindWind({c.heading, c.groundSpeed, c.course, c.tas});
        EXPECT_FALSE(r.texts.Stopped());
        EXPECT_EQ(Texts(r.texts),
                  Lines({QString("Wind Direction: ") + QString::fromUtf8(c.direction),
                         QString("Wind Speed: ") + c.speed}))
            << c.heading << '/' << c.course;
        EXPECT_EQ(r.graph.hasResult, QString(c.speed) != "-1");
        EXPECT_TRUE(r.graph.hasAircraft);
    }
}

TEST(FindWindTest, RefusedDirectionsStopWithoutOutputs) {
    FindWindResult r = CalculateFindWind({"361", "100", "90", "120"});
    EXPECT_EQ(StopText(r.texts), "Invalid heading value.");
    EXPECT_TRUE(r.texts.outputs.isEmpty());
    EXPECT_FALSE(r.graph.hasAircraft);
    r = CalculateFindWind({"0", "100", "361", "120"});
    EXPECT_EQ(StopText(r.texts), "Invalid course value.");
    EXPECT_EQ(r.texts.replaced, (QVector<CalcField>{{"Heading", "360"}}));
}

TEST(CrossWindTest, AnglesSidesAndComponents) {
    const struct {
        const char *heading, *direction, *speed;
        const char* cross;
        const char* headLabel;
        const char* head;
        const char* angle;
    } cases[] = {
        {"360", "090", "20", "20", "Head wind", "0", "90° right"},
        {"360", "270", "20", "20", "Head wind", "0", "90° left"},
        {"360", "120", "20", "17", "Tail wind", "10", "60° right"}, // angle 120
        {"090", "060", "20", "10", "Head wind", "17", "30° left"},
        {"090", "090", "15", "0", "Head wind", "15", "0° left"},   // on the nose
        {"090", "270", "15", "0", "Tail wind", "15", "0° right"},  // angle 180
        {"350", "010", "20", "7", "Head wind", "19", "20° right"}, // across north
        {"010", "350", "20", "7", "Head wind", "19", "20° left"},
        {"360", "090", "", "0", "Head wind", "0", "0° left"},        // a zero input
        {"360", "090", "20.9", "20", "Head wind", "0", "90° right"}, // whole knots
    };
    for (const auto& c : cases) {
        const CrossWindResult r = CalculateCrossWind({c.heading, c.direction, c.speed});
        EXPECT_EQ(Texts(r.texts),
                  Lines({QString("Cross Wind: ") + c.cross, QString(c.headLabel) + ": " + c.head,
                         "Angle: " + QString::fromUtf8(c.angle)}))
            << c.heading << '/' << c.direction;
    }
}

TEST(CrossWindTest, RefusalsAndReplacements) {
    CrossWindResult r = CalculateCrossWind({"0", "0", "10"});
    EXPECT_EQ(r.texts.replaced,
              (QVector<CalcField>{{"Heading", "360"}, {"Wind Direction", "360"}}));
    EXPECT_EQ(r.texts.Text("Cross Wind"), "0");
    r = CalculateCrossWind({"361", "90", "10"});
    EXPECT_EQ(StopText(r.texts), "Invalid heading value.");
    EXPECT_EQ(r.graph.angle, -1);
    r = CalculateCrossWind({"90", "370", "10"});
    EXPECT_EQ(StopText(r.texts), "Invalid wind direction.");
    EXPECT_TRUE(r.texts.outputs.isEmpty());
}

// Every heading and wind direction in whole degrees gives a shown angle of 0..90 on the side the
// wind really comes from, and components that rebuild the wind speed.
TEST(CrossWindTest, FoldingHoldsForEveryPairOfDirections) {
    for (int h = 1; h <= 360; h += 7) {
        for (int d = 1; d <= 360; d += 3) {
            const CrossWindGraphValues c = CrossWindComponents(h, 30, d);
            ASSERT_GE(c.angle, 0);
            ASSERT_LE(c.angle, 90);
            const double relative = std::remainder(d - h, 360.0); // + = from the right
            if (std::abs(relative) > 0.5 && std::abs(relative) < 179.5) {
                ASSERT_EQ(c.fromRight, relative > 0) << h << ' ' << d;
            }
            ASSERT_NEAR(std::hypot(c.crossWind, c.headWind), 30, 0.1) << h << ' ' << d;
            ASSERT_EQ(c.headWind<0, std::abs(relative)> 90.5) << h << ' ' << d;
        }
    }
}

HeadingTimeInput Trip(const char* track, const char* distance, const char* tas,
                      const char* windDirection, const char* windSpeed) {
    HeadingTimeInput in;
    in.track = track;
    in.distance = distance;
    in.tas = tas;
    in.windDirection = windDirection;
    in.windSpeed = windSpeed;
    in.departure = "00:00";
    return in;
}

TEST(HeadingTimeTest, ShownResults) {
    HeadingTimeInput in = Trip("360", "175", "100", "360", "0");
    EXPECT_EQ(Texts(CalculateHeadingTime(in)),
              Lines({"Ground Speed: 100", QString::fromUtf8("True Heading: 360°"),
                     QString::fromUtf8("Mag Heading: 360°"), "Estimated Time: 01:45:00",
                     "Arrival: 01:45:00"}));

    in = Trip("90", "210", "120", "45", "20");
    in.magVar = "5";
    in.departure = "09:15";
    EXPECT_EQ(Texts(CalculateHeadingTime(in)),
              Lines({"Ground Speed: 105", QString::fromUtf8("True Heading: 83°"),
                     QString::fromUtf8("Mag Heading: 88°"), "Estimated Time: 01:59:58",
                     "Arrival: 11:14:58"}));

    in = Trip("360", "100", "100", "360", "0"); // 1 h en route from 23:30
    in.departure = "23:30";
    EXPECT_EQ(CalculateHeadingTime(in).Text("Arrival"), "00:30:00");
    in.distance = "5000"; // 50 h en route: the arrival is still a clock time
    EXPECT_EQ(CalculateHeadingTime(in).Text("Estimated Time"), "50:00:00");
    EXPECT_EQ(CalculateHeadingTime(in).Text("Arrival"), "01:30:00");

    in = Trip("5", "100", "100", "5", "0"); // East variation 10 with true heading 5
    in.magVar = "10";
    in.east = true;
    EXPECT_EQ(CalculateHeadingTime(in).Text("Mag Heading"), QString::fromUtf8("355°"));
    in.east = false;
    in.track = in.windDirection = "355"; // West 10 with true heading 355
    EXPECT_EQ(CalculateHeadingTime(in).Text("Mag Heading"), QString::fromUtf8("5°"));
}

TEST(HeadingTimeTest, ChecksInOrderAndStopsAtTheFirstFailure) {
    const struct {
        HeadingTimeInput in;
        const char* message;
    } cases[] = {
        {Trip("", "", "", "", ""), "Please enter a track."},
        {Trip("361", "", "", "", ""), "Invalid track."},
        {Trip("90", "", "", "", ""), "Please enter a distance."},
        {Trip("90", "-5", "", "", ""), kInvalidDistanceText},
        {Trip("90", "100", "", "", ""), "Please enter a true air speed."},
        {Trip("90", "100", "120", "", ""), "Please enter a wind direction."},
        {Trip("90", "100", "120", "400", ""), "Invalid wind direction."},
        {Trip("90", "100", "120", "90", ""), "Please enter a wind speed."},
        {Trip("90", "100", "120", "360", "200"), kWindTooStrongText},
        {Trip("90", "100", "120", "90", "120"), kNoProgressText},
    };
    for (const auto& c : cases) {
        const CalcResult r = CalculateHeadingTime(c.in);
        EXPECT_EQ(StopText(r), QString::fromUtf8(c.message))
            << c.in.track.toStdString() << c.in.distance.toStdString();
        // The wind the TAS cannot fly against clears the results; other stops leave them.
        const bool cleared = c.message == kWindTooStrongText || c.message == kNoProgressText;
        EXPECT_EQ(r.outputs.size(), cleared ? 5 : 0);
        for (const CalcField& f : r.outputs)
            EXPECT_TRUE(f.text.isEmpty());
    }
}

TEST(HeadingTimeTest, ZeroDirectionsBecome360) {
    const CalcResult r = CalculateHeadingTime(Trip("0", "100", "100", "0", "10"));
    EXPECT_FALSE(r.Stopped());
    EXPECT_EQ(r.replaced, (QVector<CalcField>{{"Track", "360"}, {"Wind Direction", "360"}}));
    EXPECT_EQ(r.Text("Ground Speed"), "90");
}

// Without wind the time is distance / TAS: whole seconds stay whole (120 nm at 100 kt is
// 01:12:00, not 01:11:59), and so does the arrival.
TEST(HeadingTimeTest, ExactMultiplesKeepTheirLastSecond) {
    for (int tas = 60; tas <= 250; tas += 10) {
        for (int distance = 1; distance <= 400; ++distance) {
            const int seconds = distance * 3600 / tas;
            if (distance * 3600 % tas != 0)
                continue;
            HeadingTimeInput in = Trip("90", "", "", "90", "0");
            in.distance = QString::number(distance);
            in.tas = QString::number(tas);
            in.departure = "10:30";
            const CalcResult r = CalculateHeadingTime(in);
            const int arrival = seconds + 10 * 3600 + 30 * 60;
            EXPECT_EQ(r.Text("Estimated Time"), QString::asprintf("%02d:%02d:%02d", seconds / 3600,
                                                                  seconds / 60 % 60, seconds % 60))
                << distance << " nm at " << tas;
            EXPECT_EQ(r.Text("Arrival"), QString::asprintf("%02d:%02d:%02d", arrival / 3600 % 24,
                                                           arrival / 60 % 60, arrival % 60))
                << distance << " nm at " << tas;
        }
    }
}

TEST(HeadingTimeTest, DurationAndClockTexts) {
    EXPECT_EQ(HoursMinutesSeconds(1.75), "01:45:00");
    EXPECT_EQ(HoursMinutesSeconds(0), "00:00:00");
    EXPECT_EQ(HoursMinutesSeconds(-2), "00:00:00");
    EXPECT_EQ(HoursMinutesSeconds(24.5, true), "00:30:00");
    EXPECT_EQ(HoursMinutesSeconds(24.5), "24:30:00");
    int h = -1, m = -1;
    EXPECT_TRUE(SplitClockText("7:05", &h, &m));
    EXPECT_EQ(h, 7);
    EXPECT_EQ(m, 5);
    EXPECT_FALSE(SplitClockText("705", &h, &m));
}

} // namespace
