#include "core/calculators/DescentRate.h"

#include "core/common/resources/Resources.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

TEST(DescentRateTest, DistanceAndTime) {
    const struct {
        const char *current, *desired, *speed, *rate;
        const char *distance, *time;
    } cases[] = {
        {"5000", "1000", "120", "500", "16nm", "08:00"},
        {"3000", "0", "90", "700", "6nm", "04:17"},
        // 7.9999 minutes: the seconds round to 60 and carry into the minutes.
        {"7999.9", "0", "120", "1000", "16nm", "08:00"},
        // A tenth-rounded 2.5 nm is shown by printf's rules.
        {"1250", "0", "60", "500", "2nm", "02:30"},
        {"5000", "5000", "120", "500", "0nm", "00:00"},   // equal altitudes are accepted
        {"5000", "1000", "120", "-500", "16nm", "08:00"}, // a vertical speed of -500
    };
    for (const auto& c : cases) {
        const CalcResult r = DescentRate(c.current, c.desired, c.speed, c.rate);
        ASSERT_FALSE(r.Stopped()) << c.current << " " << r.stop->text.toStdString();
        EXPECT_EQ(r.Text(kDescentDistanceLabel), c.distance) << c.current;
        EXPECT_EQ(r.Text(kDescentTimeLabel), c.time) << c.current;
        EXPECT_EQ(r.outputs.size(), 2);
    }
}

TEST(DescentRateTest, ChecksInOrder) {
    const struct {
        const char *current, *desired, *speed, *rate;
        int message;
    } cases[] = {
        {"", "", "", "", IDS_ENTER_CURRENT_ALTITUDE},
        {"0", "1000", "120", "500", IDS_ENTER_CURRENT_ALTITUDE},
        {"abc", "0", "120", "500", IDS_ENTER_CURRENT_ALTITUDE},
        {"5000", "", "0", "0", IDS_ENTER_DESIRED_ALTITUDE},
        {"5000", "6000", "0", "0", IDS_DESIRED_ABOVE_CURRENT},
        {"5000", "0", "", "0", IDS_ENTER_GROUND_SPEED},
        {"5000", "0", "120", "", IDS_ENTER_DESCENT_RATE},
        {"5000", "0", "120", "0", IDS_ENTER_DESCENT_RATE},
    };
    for (const auto& c : cases) {
        const CalcResult r = DescentRate(c.current, c.desired, c.speed, c.rate);
        ASSERT_TRUE(r.Stopped()) << c.current << "/" << c.desired;
        EXPECT_EQ(r.stop->text, LoadString(c.message));
        EXPECT_FALSE(r.stop->text.isEmpty());
        EXPECT_TRUE(r.outputs.isEmpty());
    }
}

} // namespace
