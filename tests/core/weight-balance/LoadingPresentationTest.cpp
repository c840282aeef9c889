#include "TestFleets.h"

#include "core/weight-balance/GraphMarkers.h"
#include "core/weight-balance/LoadingDetails.h"
#include "core/weight-balance/LoadingSummary.h"

#include <gtest/gtest.h>

namespace {

ComputedLoading PilotAndFullFuel(const AircraftType& type) {
    Loading loading;
    loading.stationWeights[0] = 170.0;
    loading.tanks[0] = {50.0, 20.0};
    return ComputeLoading(type, N123A(), loading, AppSettings());
}

TEST(LoadingDetails, RowsOfTheDefaultC172) {
    const AircraftType type = C172();
    Loading loading;
    loading.stationWeights[0] = 170.0;
    loading.tanks[0] = {50.0, 20.0};
    const ComputedLoading c = ComputeLoading(type, N123A(), loading, AppSettings());
    const LoadingDetails d = MakeLoadingDetails(type, N123A(), loading, c.results);
    ASSERT_EQ(d.columns.size(), 4); // no "%MAC" without a leading edge
    EXPECT_EQ(d.columns[3], (DetailsColumn{QStringLiteral("ARM Limit"), 70}));
    const QList<QStringList> expected = {
        {"Aircraft", "1550", "39.0", ""},
        {"Pilot seat", "170", "37.0", ""},
        {"Right seat", "0", "37.0", ""},
        {"Rear left", "0", "73.0", ""},
        {"Rear right", "0", "73.0", ""},
        {"Baggage 1", "0", "95.0", ""},
        {"Baggage 2", "0", "123.0", ""},
        {"Zero fuel", "1720", "38.8", ""},
        {"", "------", "------", "------"},
        {"Main fuel", "300", "48.0", ""}, // 300.5 rounds to even in printf
        {"Ramp", "2020", "40.2", "35.6-47.0"},
        {"", "------", "------", "------"},
        {"Startup", "12", "", ""},
        {"Main fuel", "288", "48.0", ""},
        {"Takeoff", "2008", "40.1", "35.5-47.0"},
        {"", "------", "------", "------"},
        {"Remaing fuel", "", "", ""},
        {"Main fuel", "168", "48.0", ""},
        {"Landing", "1888", "39.6", "35.0-47.0"},
    };
    ASSERT_EQ(d.rows.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(d.rows[i], expected[i]) << i;
}

TEST(LoadingDetails, PercentMacOnlyForTakeoffAndLanding) {
    AircraftType type = C172();
    type.macLeadingEdge = 30.0;
    type.macLength = 40.0;
    const ComputedLoading c = PilotAndFullFuel(type);
    Loading loading;
    const LoadingDetails d = MakeLoadingDetails(type, N123A(), loading, c.results);
    ASSERT_EQ(d.columns.size(), 5);
    EXPECT_EQ(d.columns[3].title, QStringLiteral("%MAC"));
    for (const QStringList& row : d.rows) {
        if (row[0] == QStringLiteral("Takeoff")) {
            EXPECT_EQ(row[3], QStringLiteral("25%"));
        } else if (row[0] == QStringLiteral("Ramp")) {
            EXPECT_EQ(row[3], QString());
        } else if (row[0].isEmpty() && row[1] == QStringLiteral("------")) {
            EXPECT_EQ(row[3], QString()); // the separator leaves the %MAC column alone
        }
    }
}

TEST(LoadingSummary, LinesUnitsAndLimits) {
    AircraftType type = C172();
    ComputedLoading c = PilotAndFullFuel(type);
    EXPECT_EQ(MakeSummaryLines(type, c), (QList<SummaryLine>{{"Ramp:", "2020 lbs", true},
                                                             {"Takeoff:", "2008 lbs", true},
                                                             {"Landing:", "1888 lbs", true}}));
    type.flags.Set(TypeFlags::WeightInKilograms, true);
    type.maxZeroFuelWeight = 1700.0;
    c.limits.phases.zeroFuel = false;
    const QList<SummaryLine> lines = MakeSummaryLines(type, c);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], (SummaryLine{"Zero fuel:", "1720 kg", false}));

    const struct {
        uint32_t flags;
        const char* text;
    } units[] = {{0, "Units: Gallons"},
                 {TypeFlags::FuelInLitres, "Units: Litres"},
                 {TypeFlags::FuelByWeight, "Units: Pounds"},
                 {TypeFlags::FuelByWeight | TypeFlags::WeightInKilograms, "Units: Kilograms"}};
    for (const auto& u : units) {
        type.flags.bits = u.flags;
        EXPECT_EQ(FuelUnitsText(type), QString::fromLatin1(u.text));
    }
}

TEST(GraphMarkers, ColoursOptionsAndZeroPoints) {
    AircraftType type = C172();
    LoadingResults r;
    r.rampWeight = 2401.0;
    r.rampCg = 40.0;
    r.takeoffWeight = 2175.0;
    r.takeoffCg = 37.0; // exactly on the forward limit
    r.landingWeight = 2175.0;
    r.landingCg = 36.9;
    r.zeroFuelWeight = 0.0; // no point
    using enum MarkerColour;
    EXPECT_EQ(MakeGraphMarkers(type, r, 0xFFFFFFFFu),
              (QList<GraphMarker>{
                  {'R', 2401.0, 40.0, Red}, {'T', 2175.0, 37.0, Green}, {'L', 2175.0, 36.9, Red}}));
    EXPECT_TRUE(MakeGraphMarkers(type, r, graph_options::kLines).isEmpty());
    r.zeroFuelWeight = 1720.0;
    r.zeroFuelCg = 38.8;
    type.maxZeroFuelWeight = 1700.0;
    EXPECT_EQ(MakeGraphMarkers(type, r, graph_options::kZeroFuel),
              (QList<GraphMarker>{{'Z', 1720.0, 38.8, Red}}));
}

TEST(GraphMarkers, WeightLinesBelowTheMaximumRampWeightOnly) {
    AircraftType type = C172(); // landing maximum equal to ramp: no "MLW"
    EXPECT_TRUE(MakeWeightLines(type).isEmpty());
    type.maxLandingWeight = 2175.0;
    type.maxZeroFuelWeight = 1950.0;
    EXPECT_EQ(MakeWeightLines(type),
              (QList<WeightLine>{{"MZFW", 1950.0, 35.0, 47.0}, {"MLW", 2175.0, 37.0, 47.0}}));
}

} // namespace
