#include "core/common/entry/CoordinateSegments.h"
#include "core/common/entry/SegmentMask.h"
#include "core/common/text/TimeText.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(SegmentMask, ConfigureRefusesBadShapesAndChangesNothing) {
    SegmentMask mask;
    ASSERT_TRUE(mask.Configure({"00", "00", "00"}, {":", "."}));
    const QString before = mask.Text();
    const struct {
        QStringList texts, separators;
    } bad[] = {
        {{"00"}, {":"}},                       // one segment
        {{"00", "00", "00"}, {":", ".", "."}}, // too many separators
        {{"00", "00", "00"}, {}},              // none
        {{"00", "", "00"}, {":"}},             // empty initial text
    };
    for (const auto& c : bad)
        EXPECT_FALSE(mask.Configure(c.texts, c.separators)) << c.texts.join('|').toStdString();
    EXPECT_EQ(mask.Text(), before);
}

TEST(SegmentMask, TextRangesAndTapPositions) {
    SegmentMask mask;
    ASSERT_TRUE(mask.Configure({"000", "00", "00"}, {":"}, "<", ">"));
    EXPECT_EQ(mask.Text(), QStringLiteral("<000:00:00>"));
    EXPECT_EQ(mask.Start(0), 1);
    EXPECT_EQ(mask.End(0), 4);
    EXPECT_EQ(mask.Start(1), 5);
    EXPECT_EQ(mask.Start(2), 8);
    // Positions are carets after the tapped character: separators belong to the next segment.
    const int expected[] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2};
    for (int p = 0; p < 14; ++p)
        EXPECT_EQ(mask.SegmentAtPosition(p), expected[p]) << p;

    EXPECT_FALSE(mask.SetTexts({"1", "2"}));
    ASSERT_TRUE(mask.SetTexts({"1794", "5", "07"}));
    EXPECT_EQ(mask.Text(), QStringLiteral("<179: 5:07>"));
    ASSERT_TRUE(mask.SetSeparators({":", "."}));
    EXPECT_EQ(mask.Text(), QStringLiteral("<179: 5.07>"));
}

TEST(CoordinateSegments, SplitJoinAndSwitchForms) {
    const int32_t s45_30_45 = 45 * 3600 + 30 * 60 + 45;
    EXPECT_EQ(SegmentsFromSecondsOfArc(-s45_30_45, false), (CoordinateSegments{45, 30, 75}));
    EXPECT_EQ(SegmentsFromSecondsOfArc(s45_30_45, true), (CoordinateSegments{45, 30, 45}));
    const int32_t lon = 179 * 3600 + 59 * 60 + 59;
    EXPECT_EQ(SecondsOfArcFromSegments(SegmentsFromSecondsOfArc(lon, true), true), lon);
    // The hundredths form loses up to half a second: 59 s -> 98 hundredths -> 59 s.
    EXPECT_EQ(SecondsOfArcFromSegments(SegmentsFromSecondsOfArc(lon, false), false), lon);
    EXPECT_EQ(SegmentsFromSecondsOfArc(INT_MIN, true).degrees, 596523);

    const struct {
        int32_t from, to;
    } toSeconds[] = {{99, 59}, {59, 35}, {45, 27}, {1, 1}, {0, 0}},
      toHundredths[] = {{59, 98}, {45, 75}, {30, 50}, {1, 2}, {0, 0}};
    for (const auto& c : toSeconds)
        EXPECT_EQ(HundredthsToSeconds(c.from), c.to) << c.from;
    for (const auto& c : toHundredths)
        EXPECT_EQ(SecondsToHundredths(c.from), c.to) << c.from;

    EXPECT_DOUBLE_EQ(DecimalDegreesFromSegments({45, 30, 45}, true),
                     45 + 30 * 0.016666666666666666 + 45 * 0.0002777777777777778);
    EXPECT_DOUBLE_EQ(DecimalDegreesFromSegments({45, 30, 75}, false), 45.5125);
}

TEST(TimeText, OneColonGivesHours) {
    const struct {
        const char* text;
        bool ok;
        double hours;
    } cases[] = {
        {"1:30", true, 1.5}, {"0:45", true, 0.75},  {"2:90", true, 3.5}, // minutes > 59 pass
        {":30", true, 0.5},  {"1:", true, 1.0},     {"1.5:6", true, 1.6},
        {"90", false, 0},    {"1:30:00", false, 0}, {"1.30", false, 0},
    };
    for (const auto& c : cases) {
        const auto outcome = ReadTimeText(QString::fromUtf8(c.text));
        ASSERT_EQ(outcome.ok(), c.ok) << c.text;
        if (c.ok) {
            ASSERT_TRUE(outcome.value().has_value());
            EXPECT_DOUBLE_EQ(*outcome.value(), c.hours) << c.text;
        } else {
            EXPECT_EQ(outcome.error().text, QStringLiteral("Invalid time format, must be hh:mm."));
            EXPECT_EQ(outcome.error().icon, MessageIcon::Information);
        }
    }
    const auto empty = ReadTimeText(QString());
    ASSERT_TRUE(empty.ok());
    EXPECT_FALSE(empty.value().has_value());
}

} // namespace
