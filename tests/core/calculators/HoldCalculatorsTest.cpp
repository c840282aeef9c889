#include "core/calculators/HoldEntry.h"
#include "core/calculators/HoldTiming.h"
#include "core/calculators/WindTriangle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HoldEntryTest, EntryBySectorAndTurnDirection) {
    const struct {
        int inbound, approach;
        const char* standard;
        const char* leftHand;
    } cases[] = {
        {360, 360, "Direct", "Direct"},     {0, 0, "Direct", "Direct"},
        {90, 270, "Parallel", "Parallel"},  {360, 150, "Offset", "Parallel"},
        {360, 210, "Parallel", "Offset"},   {360, 100, "Direct", "Parallel"},
        {360, 110, "Offset", "Parallel"},   {360, 170, "Offset", "Parallel"},
        {360, 180, "Parallel", "Parallel"}, {360, 190, "Parallel", "Offset"},
        {360, 280, "Parallel", "Direct"},   {360, 290, "Direct", "Direct"},
        {360, 90, "Direct", "Parallel"},    {360, 270, "Parallel", "Direct"},
        {270, 20, "Offset", "Parallel"},  // d = 110 across north
        {90, 0, "Parallel", "Direct"},    // d = 270
        {155, 300, "Offset", "Parallel"}, // typed courses that are no list values: d = 145
        {1, 251, "Parallel", "Offset"},   // d = 250, mirrored 110
    };
    for (const auto& c : cases) {
        const HoldEntryResult standard =
            EvaluateHoldEntry(c.inbound, c.approach, HoldTurns::Standard);
        const HoldEntryResult left = EvaluateHoldEntry(c.inbound, c.approach, HoldTurns::LeftHand);
        EXPECT_EQ(standard.text, QString("Entry: ") + c.standard) << c.inbound << '/' << c.approach;
        EXPECT_EQ(left.text, QString("Entry: ") + c.leftHand) << c.inbound << '/' << c.approach;
    }
}

// Every inbound course and approach in 10-degree steps against the published sectors: right-hand
// turns 0-100 Direct, 110-170 Offset, 180-280 Parallel, 290-360 Direct (approach minus inbound);
// left-hand turns the mirror image: 0-70 Direct, 80-180 Parallel, 190-250 Offset, 260-360 Direct.
TEST(HoldEntryTest, FullGridAgainstTheMirroredSectors) {
    const auto published = [](int d, HoldTurns turns) {
        if (turns == HoldTurns::Standard)
            return d <= 100 || d >= 290 ? "Direct" : d <= 170 ? "Offset" : "Parallel";
        return d <= 70 || d >= 260 ? "Direct" : d <= 180 ? "Parallel" : "Offset";
    };
    for (HoldTurns turns : {HoldTurns::Standard, HoldTurns::LeftHand})
        for (int inbound = 10; inbound <= 360; inbound += 10)
            for (int approach = 0; approach <= 360; approach += 10) {
                const int d = ((approach - inbound) % 360 + 360) % 360;
                const QString expected = QString("Entry: ") + published(d, turns);
                ASSERT_EQ(EvaluateHoldEntry(inbound, approach, turns).text, expected)
                    << inbound << '/' << approach << (turns == HoldTurns::Standard ? " R" : " L");
            }
}

// For every pair of whole degrees the graphic's own sector test draws the entry that is named.
TEST(HoldEntryTest, DrawingAgreesWithTheNamedEntry) {
    for (HoldTurns turns : {HoldTurns::Standard, HoldTurns::LeftHand}) {
        for (int i = 0; i <= 360; i += 5) {
            for (int a = 0; a <= 360; ++a) {
                const HoldEntryResult r = EvaluateHoldEntry(i, a, turns);
                const HoldEntryDrawing expected =
                    r.entry == HoldEntryKind::Offset     ? HoldEntryDrawing::OffsetType
                    : r.entry == HoldEntryKind::Parallel ? HoldEntryDrawing::ParallelType
                                                         : HoldEntryDrawing::ApproachOnly;
                ASSERT_EQ(r.drawing, expected) << i << '/' << a;
                ASSERT_GE(r.difference, 0);
                ASSERT_LE(r.difference, 360);
            }
        }
    }
}

TEST(HoldEntryTest, TextsThatAreNoCourseGiveTheMessage) {
    const HoldEntryResult r = EvaluateHoldEntry(-1, 30, HoldTurns::Standard);
    EXPECT_EQ(r.entry, HoldEntryKind::None);
    EXPECT_EQ(r.text, "Invalid course value.");
    EXPECT_EQ(r.drawing, HoldEntryDrawing::ApproachOnly);
    EXPECT_EQ(EvaluateHoldEntry(0, 361, HoldTurns::Standard).entry, HoldEntryKind::None);

    const struct {
        const char* text;
        int degrees;
    } courses[] = {{"0", 0}, {"090", 90}, {"360", 360}, {"95", 95},  {"155", 155}, {"370", -1},
                   {"", -1}, {"-10", -1}, {"1e2", -1},  {" 20", 20}, {"15.5", -1}, {"1000", -1}};
    for (const auto& c : courses)
        EXPECT_EQ(HoldCourseDegrees(c.text), c.degrees) << c.text;

    EXPECT_EQ(CalculateHoldEntry("360", "150", "left hand").Text("Entry"), "Parallel");
    EXPECT_EQ(CalculateHoldEntry("360", "150", "").Text("Entry"), "Offset");
    EXPECT_EQ(CalculateHoldEntry("155", "300", "").Text("Entry"), "Offset");
    EXPECT_EQ(CalculateHoldEntry("360", "365", "").stop->text, "Invalid course value.");
    EXPECT_TRUE(CalculateHoldEntry("360", "150", "right").Stopped());
}

HoldTimingInput Hold(const char* wd, const char* ws, const char* course, const char* tas,
                     const char* time = "1:00", const char* correction = "1X") {
    HoldTimingInput in;
    in.windDirection = wd;
    in.windSpeed = ws;
    in.inboundCourse = course;
    in.tas = tas;
    in.inboundTime = time;
    in.outboundCorrection = correction;
    return in;
}

// The outputs as "Label: text" lines, as trevallion-calc prints them.
std::string Texts(const HoldTimingResult& r) {
    QStringList texts;
    for (const CalcField& f : r.texts.outputs)
        texts << f.label + ": " + f.text;
    return texts.join('\n').toStdString();
}

std::string Shown(const char* inbound, const char* outbound, const char* time,
                  const char* distance) {
    return "Inbound Heading: " + std::string(inbound) + "\nOutbound Heading: " + outbound +
           "\nOutbound Time: " + time + "\nDistance: " + distance;
}

TEST(HoldTimingTest, HeadingsTimesAndLegLength) {
    const struct {
        HoldTimingInput in;
        std::string shown;
    } cases[] = {
        {Hold("360", "0", "360", "120"), Shown("360°", "180°", "1:00", "2.0")}, // no wind
        {Hold("270", "20", "360", "120"), Shown("350°", "190°", "1:01", "2.0")},
        {Hold("270", "20", "360", "120", "1:00", "3X"), Shown("350°", "210°", "1:01", "2.0")},
        {Hold("360", "20", "360", "120", "1:30"), Shown("360°", "180°", "1:04", "2.5")},
        {Hold("180", "20", "360", "120", "2:00"), Shown("360°", "180°", "2:49", "4.7")},
        {Hold("0", "0", "0", "120"), Shown("360°", "180°", "1:00", "2.0")},
    };
    for (const auto& c : cases) {
        const HoldTimingResult r = CalculateHoldTiming(c.in);
        EXPECT_FALSE(r.texts.Stopped()) << r.texts.stop->text.toStdString();
        EXPECT_EQ(Texts(r), c.shown) << c.in.windDirection.toStdString();
    }
}

TEST(HoldTimingTest, RefusalsShowTheResetResultsAndTheLastDistance) {
    const struct {
        HoldTimingInput in;
        const char* message;
    } cases[] = {
        {Hold("361", "10", "360", "120"), "Invalid wind direction."},
        {Hold("90", "10", "400", "120"), "Invalid course value."},
        {Hold("90", "10", "360", "120", "90"), kInvalidInboundTimeText},
        {Hold("90", "10", "360", "120", "-1:00"), kInvalidInboundTimeText},
        {Hold("270", "50", "360", "120", "1:00", "3X"), kCorrectionTooStrongText}, // 3 x s > 1
        {Hold("270", "150", "360", "120"), kWindTooStrongText},
        {Hold("180", "120", "360", "120"), kNoProgressText}, // outbound ground speed 0
        {Hold("90", "10", "360", "120", "1:00", "4X"), kInvalidCorrectionText},
    };
    for (const auto& c : cases) {
        HoldTimingInput in = c.in;
        in.lastDistance = 3.5;
        const HoldTimingResult r = CalculateHoldTiming(in);
        ASSERT_TRUE(r.texts.Stopped()) << c.message;
        EXPECT_EQ(r.texts.stop->text, QString::fromUtf8(c.message));
        EXPECT_EQ(Texts(r), Shown("0°", "0°", "0:00", "3.5")) << c.message;
        EXPECT_EQ(r.distance, 3.5);
    }
    // With 1X the same strong wind is held.
    EXPECT_FALSE(CalculateHoldTiming(Hold("270", "50", "360", "120")).texts.Stopped());
}

TEST(HoldTimingTest, NothingToComputeKeepsTheDistance) {
    HoldTimingInput in = Hold("90", "10", "360", "");
    EXPECT_EQ(Texts(CalculateHoldTiming(in)), Shown("0°", "0°", "0:00", ""));
    in.lastDistance = 2.0;
    const HoldTimingResult r = CalculateHoldTiming(in);
    EXPECT_FALSE(r.texts.Stopped());
    EXPECT_EQ(Texts(r), Shown("0°", "0°", "0:00", "2.0"));
    const HoldTimingResult replaced = CalculateHoldTiming(Hold("0", "10", "0", "120"));
    EXPECT_EQ(replaced.texts.replaced,
              (QVector<CalcField>{{"Wind Direction", "360"}, {"Inbound Course", "360"}}));
}

} // namespace
