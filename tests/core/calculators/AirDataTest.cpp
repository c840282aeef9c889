#include "core/calculators/AirData.h"

#include "core/common/resources/Resources.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

struct AirDataCase {
    int mode;
    const char* in1;
    const char* in2;
    const char* in3;
    const char* shown;
};

TEST(AirDataTest, ResultsOfEachMode) {
    const AirDataCase cases[] = {
        {kPressureAltitudeMode, "0", "29.92", "", "1"}, // the factor is not exactly 1/29.92
        {kPressureAltitudeMode, "5000", "30.92", "", "4089"},
        {kPressureAltitudeMode, "0", "1013", "", "7"},    // millibars
        {kPressureAltitudeMode, "0", "1049", "", "-963"}, // millibars, near the top
        {kPressureAltitudeMode, "3000", "0", "", "0"},    // no altimeter: the result stays "0"
        {kStandardTemperatureMode, "10000", "", "", "-4.8°C"},
        {kStandardTemperatureMode, "0", "", "", "15.0°C"},
        {kDensityAltitudeMode, "5000", "29.92", "30", "7802"},
        {kDensityAltitudeMode, "5000", "0", "30", "7800"}, // altimeter 0: the altitude as is
        {kDensityAltitudeMode, "0", "0", "-20", "-4493"},  // truncated towards zero
        {kMachMode, "250", "30000", "", "0.67"},
        {kTrueAirSpeedMode, "30000", "-40", "250", "384"},
        {kTrueAirSpeedMode, "0", "15", "120", "120"},
    };
    for (const AirDataCase& c : cases) {
        const CalcResult r = CalculateAirData(c.mode, c.in1, c.in2, c.in3);
        ASSERT_FALSE(r.Stopped()) << c.mode << " " << c.in1 << " " << r.stop->text.toStdString();
        ASSERT_EQ(r.outputs.size(), 1);
        EXPECT_EQ(r.outputs[0].text, QString::fromUtf8(c.shown)) << c.mode << " " << c.in1;
        EXPECT_EQ(r.outputs[0].label, LoadString(FindAirDataMode(c.mode).titleId));
        ASSERT_TRUE(r.lastCalcResult.has_value());
        EXPECT_DOUBLE_EQ(*r.lastCalcResult, QString::fromUtf8(c.shown).remove("°C").toDouble());
    }
}

TEST(AirDataTest, AltimeterRule) {
    const struct {
        double setting;
        bool accepted;
    } cases[] = {{29.92, true},  {28.0, true},  {31.0, true}, {27.99, false},
                 {31.01, false}, {1013, true},  {948, false}, {948.5, true},
                 {1049, true},   {1050, false}, {0, false},   {-29.92, false}};
    for (const auto& c : cases)
        EXPECT_EQ(AltimeterInches(c.setting).has_value(), c.accepted) << c.setting;
    EXPECT_DOUBLE_EQ(*AltimeterInches(1013), 1013 * 0.02953);
}

TEST(AirDataTest, InvalidAltimeter) {
    const QString message = LoadString(IDS_INVALID_ALTIMETER);
    ASSERT_TRUE(message.startsWith("Invalid altimeter."));
    // Pressure altitude: the message, then the calculation goes on with 29.92.
    CalcResult pa = CalculateAirData(kPressureAltitudeMode, "0", "948", "");
    ASSERT_TRUE(pa.notice.has_value());
    EXPECT_EQ(pa.notice->text, message);
    EXPECT_FALSE(pa.Stopped());
    EXPECT_EQ(pa.outputs[0].text, "1");
    EXPECT_EQ(CalculateAirData(kPressureAltitudeMode, "0", "1050", "").outputs[0].text, "1");
    // Density altitude: the message stops it with an empty result.
    CalcResult da = CalculateAirData(kDensityAltitudeMode, "5000", "1050", "15");
    ASSERT_TRUE(da.Stopped());
    EXPECT_EQ(da.stop->text, message);
    EXPECT_EQ(da.stop->icon, MessageIcon::Information);
    EXPECT_EQ(da.outputs[0].text, "");
    EXPECT_FALSE(da.lastCalcResult.has_value());
}

TEST(AirDataTest, EmptyFirstInputComputesNothing) {
    for (const AirDataMode& mode : AirDataModes()) {
        const CalcResult r = CalculateAirData(mode.command, "", "29.92", "15");
        EXPECT_FALSE(r.Stopped());
        EXPECT_FALSE(r.notice.has_value());
        ASSERT_EQ(r.outputs.size(), 1);
        EXPECT_EQ(r.outputs[0].text, "");
        EXPECT_FALSE(r.lastCalcResult.has_value()) << mode.command;
    }
}

TEST(AirDataTest, RefusedInputsStopWithAMessage) {
    const struct {
        int mode;
        const char *in1, *in2, *in3;
        const char* startsWith;
    } cases[] = {
        {kMachMode, "0", "10000", "", "Please enter a true air speed."},
        {kTrueAirSpeedMode, "10000", "15", "", "Please enter a true air speed."},
        // Above about 145442 ft the pressure term's base is negative: refused, never "nan".
        {kMachMode, "250", "150000", "", "Pressure altitude out of range."},
        {kTrueAirSpeedMode, "145443", "-50", "250", "Pressure altitude out of range."},
        {kTrueAirSpeedMode, "10000", "-300", "250", "Temperature out of range."},
        {kDensityAltitudeMode, "200000", "0", "15", "Altitude out of range."},
        {kDensityAltitudeMode, "1000", "0", "-273.15", "Temperature out of range."},
        {kDensityAltitudeMode, "-1e300", "0", "15", "The values entered are out of range."},
        {kPressureAltitudeMode, "1e999", "29.92", "", "The values entered are out of range."},
    };
    for (const auto& c : cases) {
        const CalcResult r = CalculateAirData(c.mode, c.in1, c.in2, c.in3);
        ASSERT_TRUE(r.Stopped()) << c.mode << " " << c.in1 << " -> "
                                 << r.outputs[0].text.toStdString();
        EXPECT_TRUE(r.stop->text.startsWith(c.startsWith)) << r.stop->text.toStdString();
        EXPECT_EQ(r.outputs[0].text, "");
        EXPECT_FALSE(r.lastCalcResult.has_value());
    }
}

TEST(AirDataTest, ModeTable) {
    const auto& modes = AirDataModes();
    EXPECT_EQ(modes.back().command, 0); // terminating row
    EXPECT_EQ(&FindAirDataMode(12345), &modes.back());
    EXPECT_EQ(FindAirDataMode(kMachMode).inputIds,
              (std::array<int, 4>{IDS_INDICATED_AIR_SPEED, IDS_PRESSURE_ALTITUDE, 0, 0}));
    // Every title and label the table names is in the string table.
    for (const AirDataMode& mode : modes)
        for (int id : {mode.titleId, mode.inputIds[0], mode.inputIds[1], mode.inputIds[2]})
            if (id != 0) {
                EXPECT_FALSE(LoadString(id).isEmpty()) << id;
            }
    // An unknown mode shows "0" and labels it with nothing.
    const CalcResult r = CalculateAirData(1, "100", "", "");
    EXPECT_EQ(r.outputs[0].label, "");
    EXPECT_EQ(r.outputs[0].text, "0");
}

} // namespace
