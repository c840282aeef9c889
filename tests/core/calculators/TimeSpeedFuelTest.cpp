#include "core/calculators/TimeSpeedDistance.h"
#include "core/calculators/TimeSum.h"
#include "core/calculators/WeightShift.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *rate, *amount, *time;
    const char *label, *shown; // the one output; label nullptr = a stop with `shown` as message
};

void Check(CalcResult (*solve)(const QString&, const QString&, const QString&), const Case& c) {
    const CalcResult r = solve(c.rate, c.amount, c.time);
    const std::string inputs = std::string(c.rate) + "|" + c.amount + "|" + c.time;
    if (!c.label) {
        ASSERT_TRUE(r.Stopped()) << inputs;
        EXPECT_EQ(r.stop->text, c.shown) << inputs;
        EXPECT_EQ(r.stop->icon, MessageIcon::Information);
        return;
    }
    ASSERT_FALSE(r.Stopped()) << inputs << ": " << r.stop->text.toStdString();
    ASSERT_EQ(r.outputs.size(), 1) << inputs;
    EXPECT_EQ(r.outputs[0].label, c.label) << inputs;
    EXPECT_EQ(r.outputs[0].text, c.shown) << inputs;
}

TEST(TimeSpeedDistanceTest, LeaveOneEmpty) {
    const Case cases[] = {
        {"120", "", "1:30", "Distance", "180.0"},
        {"", "100", "", nullptr, "Please enter the speed or the time."}, // no division by 0
        {"120", "100", "", "Time (hh:mm)", "0:50"},
        {"", "180", "1:30", "Speed", "120.0"},
        {"120", "100", "1:00", nullptr, "Please leave one value empty."},
        {"", "", "1:00", "Speed", "0.0"},
        {"120", "", "", "Distance", "0.0"},
        {"100", "", "1:75", "Distance", "225.0"}, // minutes above 59 count as typed
        {"0.25", "", "1:00", "Distance", "0.3"},  // tenth-rounded half away from zero
        {"120", "", "90", nullptr, "Invalid time format, must be hh:mm."},
        {"120", "", "1:30:00", nullptr, "Invalid time format, must be hh:mm."},
        {"120", "0", "0:00", "Distance", "0.0"}, // zeros count as not given
    };
    for (const Case& c : cases)
        Check(TimeSpeedDistance, c);
    EXPECT_TRUE(TimeSpeedDistance("", "", "").outputs.isEmpty());
    EXPECT_FALSE(TimeSpeedDistance("", "", "").Stopped());
}

TEST(FuelBurnTest, LeaveOneEmpty) {
    const Case cases[] = {
        {"", "40", "2:30", "Fuel burn", "16.0"},
        {"10", "25", "", "Time (hh:mm)", "2:30"},
        {"0.25", "", "1:00", "Fuel quantity", "0.2"}, // not rounded before printf
        {"8", "", "2:30", "Fuel quantity", "20.0"},
        {"", "", "2:00", "Fuel burn", "0.0"},
        {"10", "", "", "Time (hh:mm)", "0:00"},
        {"", "40", "", nullptr, "Please enter the fuel burn or the time."},
        {"10", "40", "4:00", nullptr, "Please leave one value empty."},
        {"10", "", "2", nullptr, "Invalid time format, must be hh:mm."},
    };
    for (const Case& c : cases)
        Check(FuelBurn, c);
}

// A time that is a whole number of minutes shows that minute, not the one before: 120 nm at
// 100 kt is 1.2 hours, 1.19999... in binary.
TEST(TimeSpeedDistanceTest, ExactMultiplesKeepTheirLastMinute) {
    for (int rate = 5; rate <= 300; rate += 5) {
        for (int minutes = 1; minutes <= 900; ++minutes) {
            if (rate * minutes % 60 != 0)
                continue;
            const QString amount = QString::number(rate * minutes / 60);
            const QString shown = QString::asprintf("%d:%02d", minutes / 60, minutes % 60);
            const QString rateText = QString::number(rate);
            EXPECT_EQ(TimeSpeedDistance(rateText, amount, "").Text("Time (hh:mm)"), shown)
                << rate << " kt " << amount.toStdString() << " nm";
            EXPECT_EQ(FuelBurn(rateText, amount, "").Text("Time (hh:mm)"), shown)
                << rate << "/h " << amount.toStdString();
        }
    }
    EXPECT_EQ(TimeSpeedDistance("100", "120", "").Text("Time (hh:mm)"), "1:12");
    EXPECT_EQ(FuelBurn("10", "12", "").Text("Time (hh:mm)"), "1:12");
}

TEST(TimeSpeedDistanceTest, HoursMinutesText) {
    EXPECT_EQ(HoursMinutesText(100.0 / 120.0), "0:50");
    EXPECT_EQ(HoursMinutesText(2.5), "2:30");
    EXPECT_EQ(HoursMinutesText(10.999), "10:59"); // minutes round down
    EXPECT_EQ(HoursMinutesText(-1.5), "0:00");
}

TEST(TimeSumTest, RunningTotal) {
    const struct {
        QStringList steps;
        const char* total;
    } cases[] = {
        {{"+1:30", "+0:45"}, "2:15"},
        {{"1:75"}, "2:15"}, // 135 minutes
        {{"-1:00"}, "0:00"},
        {{"+1:00", "-2:00"}, "0:00"}, // never below zero
        {{"+1:00", "-1:00"}, "0:00"},
        {{"+2:00", "-0:30"}, "1:30"},
        {{"+2:00", "+-1:00"}, "1:00"},                         // a negative time typed with "+"
        {{"+2147483647:00", "+2147483647:00"}, "71582788:15"}, // held at the largest total
        {{}, "0:00"},
    };
    for (const auto& c : cases) {
        const CalcResult r = TimeSum(c.steps);
        ASSERT_FALSE(r.Stopped()) << c.steps.join(' ').toStdString();
        EXPECT_EQ(r.Text(kTimeTotalLabel), c.total) << c.steps.join(' ').toStdString();
    }
}

TEST(TimeSumTest, RefusedTextsKeepTheTotal) {
    for (const char* text : {"90", "1:30:00", ""}) {
        const Outcome<unsigned> step = ApplyTimeStep(75, text, TimeStep::Add);
        ASSERT_FALSE(step.ok()) << text;
        EXPECT_EQ(step.error().text, "Invalid time format, must be hh:mm.");
    }
    const CalcResult r = TimeSum({"+1:00", "90"});
    ASSERT_TRUE(r.Stopped());
    EXPECT_TRUE(r.outputs.isEmpty());
}

TEST(WeightShiftTest, ResultsAndMessages) {
    const struct {
        const char *weight, *arm, *moved, *shift;
        const char *label, *text, *focus; // label nullptr: `text` is the message
    } cases[] = {
        {"2000", "50", "20", "", kDistanceToMoveLabel, "0.5", ""},
        {"2000", "50", "", "0.5", kWeightToMoveLabel, "20.0", ""},
        {"", "50", "20", "", nullptr, "Please enter the aircraft weight.", kAircraftWeightLabel},
        {"2000", "0", "20", "", nullptr, "Please enter the arm distance.", kArmDistanceLabel},
        {"2000", "50", "", "", nullptr,
         "Please enter either the distance to move or the weight to move.", ""},
        {"2000", "50", "20", "0.5", nullptr,
         "Please leave either the distance to move or the weight to move value empty.", ""},
    };
    for (const auto& c : cases) {
        const CalcResult r = WeightShift(c.weight, c.arm, c.moved, c.shift);
        EXPECT_EQ(r.focusLabel, c.focus);
        if (!c.label) {
            ASSERT_TRUE(r.Stopped());
            EXPECT_EQ(r.stop->text, c.text);
            continue;
        }
        ASSERT_FALSE(r.Stopped());
        ASSERT_EQ(r.outputs.size(), 1);
        EXPECT_EQ(r.outputs[0].label, c.label);
        EXPECT_EQ(r.outputs[0].text, c.text);
    }
}

} // namespace
