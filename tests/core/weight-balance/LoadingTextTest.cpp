#include "TestFleets.h"

#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingText.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class LoadingTextTest : public ::testing::Test {
protected:
    TempFolder data;
    AircraftStore store{data.Path(), data.Path()};

    WorkingLoading Applied(const QString& text) {
        Outcome<std::optional<WorkingLoading>> applied = ApplyLoadingText(text, store);
        EXPECT_TRUE(applied.ok()) << applied.error().text.toStdString();
        EXPECT_TRUE(applied.ok() && applied.value().has_value());
        return applied.ok() && applied.value() ? *applied.value() : WorkingLoading{};
    }

    // A second type sharing one station name with the C172, and one aircraft of it.
    void AddSecondType() {
        AircraftType t;
        t.name = QStringLiteral("PA28");
        t.stations = {{QStringLiteral("Pilot seat")}, {QStringLiteral("seat")}};
        FuelTank left;
        left.name = QStringLiteral("Left");
        t.tanks = {left};
        ASSERT_TRUE(store.AddAircraftType(t).ok());
        Aircraft a{0, t.id, QStringLiteral("G-ABCD"), 1400.0, 86.0, 0.0};
        ASSERT_TRUE(store.AddAircraft(a).ok());
    }
};

TEST_F(LoadingTextTest, MadeWithCrLfLinesAndWithoutEmptyStations) {
    Loading loading;
    loading.stationWeights[0] = 170.0;
    loading.stationWeights[4] = 20.5;
    loading.fuelSelection = kFuelThreeQuarters;
    loading.tanks[0] = {37.5, 9.0};
    EXPECT_EQ(MakeLoadingText(store.Types()[0], store.AircraftList()[0], loading),
              QStringLiteral("Aircraft=N123A\r\nPilot seat=170.0\r\nBaggage 1=20.5\r\n"
                             "Fuel=3/4\r\nMain fuel=37.5,9.0\r\n"));
}

TEST_F(LoadingTextTest, RoundTripWithTheDefaultFleet) {
    const AircraftType& type = store.Types()[0];
    Loading loading;
    loading.stationWeights[1] = 155.5;
    loading.stationWeights[5] = 12.0;
    loading.fuelSelection = kFuelCustom;
    loading.tanks[0] = {41.3, 18.7};
    const WorkingLoading back = Applied(MakeLoadingText(type, store.AircraftList()[0], loading));
    EXPECT_EQ(back.aircraft, store.AircraftList()[0]);
    EXPECT_EQ(back.type, type);
    for (int i = 0; i < type.stations.size(); ++i)
        EXPECT_EQ(back.loading.stationWeights[i], loading.stationWeights[i]) << i;
    EXPECT_EQ(back.loading.fuelSelection, kFuelCustom);
    EXPECT_DOUBLE_EQ(back.loading.tanks[0].rampQuantity, 41.3);
    EXPECT_DOUBLE_EQ(back.loading.tanks[0].burn, 18.7);
}

TEST_F(LoadingTextTest, RefusalsAndTextsWithoutAnAircraft) {
    const Outcome<std::optional<WorkingLoading>> unknown =
        ApplyLoadingText(QStringLiteral("Aircraft=N999\r\nPilot seat=80.0\r\n"), store);
    ASSERT_FALSE(unknown.ok());
    EXPECT_EQ(unknown.error().text, QStringLiteral("Unknown aircraft.\nN999"));

    Aircraft orphan{0, 99, QStringLiteral("N-ORPH"), 1000.0, 40.0, 0.0};
    ASSERT_TRUE(store.AddAircraft(orphan).ok());
    const Outcome<std::optional<WorkingLoading>> invalid =
        ApplyLoadingText(QStringLiteral("Aircraft=N-ORPH\r\n"), store);
    ASSERT_FALSE(invalid.ok());
    EXPECT_EQ(invalid.error().text, QStringLiteral("Invalid aircraft type."));

    for (const char* text : {"", "Pilot seat=80.0\r\n", "Aircraft=N123A"}) {
        const Outcome<std::optional<WorkingLoading>> none =
            ApplyLoadingText(QString::fromLatin1(text), store);
        ASSERT_TRUE(none.ok()) << text;
        EXPECT_FALSE(none.value().has_value()) << text;
    }
}

TEST_F(LoadingTextTest, ValuesByLineKeyWithTheNumberTextRule) {
    AddSecondType();
    const WorkingLoading loading = Applied(QStringLiteral(
        "Aircraft=G-ABCD\r\nPilot seat= 80.5kg\r\nFuel=1/2\r\nLeft=abc\r\nMain fuel=9,9\r\n"));
    EXPECT_EQ(loading.type.name, QStringLiteral("PA28"));
    EXPECT_EQ(loading.loading.stationWeights[0], 80.5);
    EXPECT_EQ(loading.loading.stationWeights[1], 0.0); // "seat" is not "Pilot seat"
    EXPECT_EQ(loading.loading.fuelSelection, kFuelHalf);
    EXPECT_EQ(loading.loading.tanks[0].rampQuantity, 0.0); // no comma: the load stays 0

    const WorkingLoading bad = Applied(QStringLiteral("Aircraft=N123A\r\nMain fuel=x,\r\n"));
    EXPECT_EQ(bad.loading.tanks[0].rampQuantity, 0.0);
}

TEST_F(LoadingTextTest, ATypeChangeCarriesMatchingStationsOver) {
    AddSecondType();
    Loading c172;
    c172.stationWeights[0] = 170.0; // "Pilot seat", also in the PA28
    c172.stationWeights[2] = 90.0;  // "Rear left", not in the PA28
    c172.fuelSelection = kFuelCustom;
    const QString text = WithLoadingAircraft(
        MakeLoadingText(store.Types()[0], store.AircraftList()[0], c172), "G-ABCD");
    EXPECT_EQ(text.count(QStringLiteral("Aircraft=")), 1);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Aircraft=G-ABCD\r\n")));
    const WorkingLoading moved = Applied(text);
    EXPECT_EQ(moved.aircraft.ident, QStringLiteral("G-ABCD"));
    EXPECT_EQ(moved.loading.stationWeights[0], 170.0);
    EXPECT_EQ(moved.loading.stationWeights[1], 0.0);
    EXPECT_EQ(moved.loading.fuelSelection, kFuelCustom);
    // Only the aircraft changes: a last line without its end still loads nothing, and a line
    // after a bare CR keeps its key.
    const struct {
        const char* text;
        const char* carried;
    } cases[] = {
        {"Fuel=Full", "Aircraft=N1\r\nFuel=Full"},
        {"Aircraft=N123A\r\nFuel=Full", "Aircraft=N1\r\nFuel=Full"},
        {"Aircraft=N123A\rA\nPilot seat=80\r\n", "Aircraft=N1\rA\nPilot seat=80\r\n"},
        {"Pilot seat=80\r\nAircraft=N123A", "Aircraft=N1\r\nPilot seat=80\r\nAircraft=N123A"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithLoadingAircraft(QString::fromLatin1(c.text), "N1"),
                  QString::fromLatin1(c.carried))
            << c.text;
}

TEST(FuelSelection, NamesAndLoads) {
    AircraftType type = DefaultAircraftFleet().types[0];
    type.fuelQuantities = {{QStringLiteral("Tabs"), {17.0}}};
    Loading loading;
    const struct {
        int selection;
        const char* name;
        double load;
    } cases[] = {{kFuelFull, "Full", 50.0},
                 {kFuelThreeQuarters, "3/4", 37.5},
                 {kFuelHalf, "1/2", 25.0},
                 {kFuelQuarter, "1/4", 12.5},
                 {kFirstFuelQuantity, "Tabs", 17.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(FuelSelectionName(type, c.selection), QString::fromLatin1(c.name));
        EXPECT_EQ(FuelSelectionFromName(type, QString::fromLatin1(c.name)), c.selection);
        ApplyFuelSelection(type, loading, c.selection);
        EXPECT_EQ(loading.fuelSelection, c.selection) << c.name;
        EXPECT_EQ(loading.tanks[0].rampQuantity, c.load) << c.name;
    }
    EXPECT_EQ(FuelSelectionFromName(type, QStringLiteral("Custom")), kFuelCustom);
    EXPECT_EQ(FuelSelectionFromName(type, QStringLiteral("half")), kFuelFull);
    ApplyFuelSelection(type, loading, kFirstFuelQuantity + 1); // no such quantity: loads kept
    EXPECT_EQ(loading.fuelSelection, kFuelCustom);
    EXPECT_EQ(loading.tanks[0].rampQuantity, 17.0);
    EXPECT_EQ(FuelSelectionName(type, 9), QStringLiteral("Custom"));
}

} // namespace
