#include "core/calculators/DistanceVolumeConversion.h"
#include "core/calculators/FuelQuantity.h"
#include "core/calculators/UnitConversion.h"

#include <gtest/gtest.h>

namespace {

TEST(UnitConversionTest, BothRowsOfEveryPair) {
    const struct {
        int mode;
        ConvertRow row;
        const char *input, *label, *shown;
    } cases[] = {
        {kFahrenheitCelsiusMode, ConvertRow::FirstToSecond, "212", "Celsius", "100.0"}, // 99.999
        {kFahrenheitCelsiusMode, ConvertRow::SecondToFirst, "100", "Fahrenheit", "212.0"},
        {kFahrenheitCelsiusMode, ConvertRow::FirstToSecond, "-40", "Celsius", "-40.0"},
        {kPoundsKilogramsMode, ConvertRow::FirstToSecond, "100", "Kilograms", "45.4"},
        {kPoundsKilogramsMode, ConvertRow::SecondToFirst, "10", "Pounds", "22.0"},
        {kMillibarsInchesMode, ConvertRow::FirstToSecond, "1013", "Inches", "29.91"},
        {kMillibarsInchesMode, ConvertRow::SecondToFirst, "29.92", "Millibars", "1013.21"},
        {kFeetMetresMode, ConvertRow::FirstToSecond, "1000", "Metres", "304.8"},
        {kFeetMetresMode, ConvertRow::SecondToFirst, "100", "Feet", "328.1"},
        {kInchesMillimetresMode, ConvertRow::FirstToSecond, "1", "Millimetres", "25.4"},
        {kInchesMillimetresMode, ConvertRow::SecondToFirst, "10", "Inches", "0.4"},
        {kInchesCentimetresMode, ConvertRow::FirstToSecond, "3", "Centimetres", "7.6"},
        {kInchesCentimetresMode, ConvertRow::SecondToFirst, "10", "Inches", "3.9"},
        {4711, ConvertRow::FirstToSecond, "7", "", "7.0"}, // unknown mode: the input as is
    };
    for (const auto& c : cases) {
        const CalcResult r = ConvertUnits(c.mode, c.row, c.input);
        ASSERT_EQ(r.outputs.size(), 1);
        EXPECT_EQ(r.outputs[0].label, c.label) << c.mode;
        EXPECT_EQ(r.outputs[0].text, c.shown) << c.mode << " " << c.input;
        ASSERT_TRUE(r.lastCalcResult.has_value());
        EXPECT_DOUBLE_EQ(*r.lastCalcResult, QString(c.shown).toDouble());
    }
    const CalcResult empty = ConvertUnits(kFeetMetresMode, ConvertRow::FirstToSecond, "");
    EXPECT_TRUE(empty.outputs.isEmpty());
    EXPECT_FALSE(empty.lastCalcResult.has_value());
    EXPECT_EQ(ConvertPairs().size(), 6u);
}

TEST(DistanceVolumeTest, FactorsRoundedOnceToTheNearestTenth) {
    const struct {
        ConversionKind kind;
        int source;
        const char* input;
        const char *label1, *text1, *label2, *text2;
    } cases[] = {
        {ConversionKind::Distance, 0, "1", "Nautical Miles", "0.9", "Kilometres", "1.6"},
        {ConversionKind::Distance, 0, "0", "Nautical Miles", "0.0", "Kilometres", "0.0"},
        {ConversionKind::Distance, 1, "1", "Statute Miles", "1.2", "Kilometres", "1.9"},
        {ConversionKind::Distance, 2, "10", "Nautical Miles", "5.4", "Statute Miles", "6.2"},
        {ConversionKind::Distance, 0, "100", "Nautical Miles", "86.9", "Kilometres", "160.9"},
        {ConversionKind::Volume, 0, "10", "Imp. Gallons", "8.3", "Litres", "37.9"},
        {ConversionKind::Volume, 1, "1", "US Gallons", "1.2", "Litres", "4.5"},
        {ConversionKind::Volume, 2, "1", "US Gallons", "0.3", "Imp. Gallons", "0.2"},
    };
    for (const auto& c : cases) {
        const CalcResult r = ConvertDistanceOrVolume(c.kind, c.source, c.input);
        ASSERT_EQ(r.outputs.size(), 2);
        EXPECT_EQ(r.outputs[0], (CalcField{c.label1, c.text1})) << c.source << " " << c.input;
        EXPECT_EQ(r.outputs[1], (CalcField{c.label2, c.text2})) << c.source << " " << c.input;
        EXPECT_FALSE(r.lastCalcResult.has_value());
        EXPECT_EQ(ConversionTargets(c.kind, c.source), (QStringList{c.label1, c.label2}));
    }
    EXPECT_EQ(ConversionUnits(ConversionKind::Volume),
              (QStringList{"US Gallons", "Imp. Gallons", "Litres"}));
    EXPECT_TRUE(ConvertDistanceOrVolume(ConversionKind::Distance, 3, "1").outputs.isEmpty());
}

TEST(FuelQuantityTest, Conversions) {
    const struct {
        const char* quantity;
        int type, source, result;
        const char* shown;
    } cases[] = {
        {"10", 1, 0, 0, "70.0"},   // U.S. gallons of Jet A to pounds
        {"70", 1, 3, 0, "10.0"},   // and back
        {"10", 0, 0, 1, "27.3"},   // AVGas to kilos
        {"100", 1, 4, 2, "119.2"}, // kilos of Jet A to litres
        {"10", 2, 1, 0, "80.1"},   // imperial gallons of Jet B
        {"", 1, 0, 0, "0.0"},
    };
    for (const auto& c : cases) {
        const CalcResult r = FuelQuantity(c.quantity, c.type, c.source, c.result);
        ASSERT_FALSE(r.Stopped());
        EXPECT_EQ(r.Text(kFuelResultLabel), c.shown) << c.quantity << " " << c.source;
    }
    EXPECT_TRUE(FuelQuantity("10", 3, 0, 0).Stopped());
    EXPECT_TRUE(FuelQuantity("10", 0, 0, 2).Stopped()); // a volume has two result units
    EXPECT_TRUE(FuelQuantity("10", 0, 5, 0).Stopped());
}

TEST(FuelQuantityTest, ResultUnitsFollowTheSource) {
    EXPECT_EQ(FuelResultUnits(0), (QStringList{"Pounds", "Kilos"}));
    EXPECT_EQ(FuelResultUnits(2), (QStringList{"Pounds", "Kilos"}));
    EXPECT_EQ(FuelResultUnits(3).value(0), "U.S. Gallons"); // a weight selects volumes
    EXPECT_EQ(FuelResultUnits(4), (QStringList{"U.S. Gallons", "Imp. Gallons", "Litres"}));
    EXPECT_TRUE(FuelResultUnits(-1).isEmpty());
    EXPECT_DOUBLE_EQ(FuelDensity(1, 1), 8.39);
    EXPECT_EQ(FuelDensity(3, 0), 0.0);
}

} // namespace
