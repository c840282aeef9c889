#include "TestFleets.h"

#include "core/common/io/DeviceFolders.h"
#include "core/weight-balance/FuelSelection.h"
#include "core/weight-balance/LoadingFile.h"
#include "core/weight-balance/LoadingSession.h"
#include "core/weight-balance/WeightFileKeeper.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

class LoadingSessionTest : public ::testing::Test {
protected:
    TempFolder data;
    AircraftStore store{data.Path(), data.Path()};
    AppSettings settings;
    LoadingSession session{store, settings};

    // A second type with one station named as the C172's, and an aircraft of it.
    int AddSecondType(bool withAircraft = true) {
        AircraftType t;
        t.name = QStringLiteral("PA28");
        t.maxRampWeight = t.maxTakeoffWeight = t.maxLandingWeight = 2500.0;
        t.stations = {{QStringLiteral("Pilot seat"), 0.0, 80.5}, {QStringLiteral("Cargo"), 0, 90}};
        FuelTank tank;
        tank.name = QStringLiteral("Main fuel");
        tank.capacity = 48.0;
        tank.arm = 95.0;
        t.tanks = {tank};
        EXPECT_TRUE(store.AddAircraftType(t).ok());
        if (withAircraft) {
            Aircraft a{0, t.id, QStringLiteral("G-ABCD"), 1400.0, 86.0, 0.0};
            EXPECT_TRUE(store.AddAircraft(a).ok());
        }
        return t.id;
    }
};

TEST_F(LoadingSessionTest, AFirstStartShowsTheDefaultC172WithFullFuel) {
    EXPECT_TRUE(session.Start(QString()).ok());
    EXPECT_EQ(session.CurrentAircraft().ident, QStringLiteral("N123A"));
    EXPECT_EQ(session.Type().name, QStringLiteral("C172"));
    EXPECT_EQ(session.CurrentLoading().fuelSelection, kFuelFull);
    EXPECT_EQ(session.CurrentLoading().tanks[0].rampQuantity, 50.0);
    session.SetStationWeight(0, 170.0);
    const ComputedLoading& c = session.Computed();
    EXPECT_DOUBLE_EQ(c.results.rampWeight, 1720.0 + 300.5);
    EXPECT_EQ(c.limits.message, QStringLiteral("Aircraft is within limits."));
}

TEST_F(LoadingSessionTest, AnUnknownAircraftIsReportedAndFallsBackWithZeroWeights) {
    const Status started = session.Start(QStringLiteral("Aircraft=N999\r\nPilot seat=80.0\r\n"));
    ASSERT_FALSE(started.ok());
    EXPECT_EQ(started.error().text, QStringLiteral("Unknown aircraft.\nN999"));
    EXPECT_EQ(session.CurrentAircraft().ident, QStringLiteral("N123A"));
    EXPECT_EQ(session.CurrentLoading().stationWeights[0], 0.0);

    // Later, the same text changes nothing at all.
    session.SetStationWeight(1, 90.0);
    const Loading before = session.CurrentLoading();
    EXPECT_FALSE(session.ApplyText(QStringLiteral("Aircraft=N999\r\n")).ok());
    EXPECT_EQ(session.CurrentLoading(), before);
}

TEST_F(LoadingSessionTest, ASavedLoadingComesBackWhole) {
    ASSERT_TRUE(session.Start(QString()).ok());
    session.SetFuelSelection(kFuelCustom);
    session.SetStationWeight(0, 170.0);
    session.SetStationWeight(4, 20.0);
    session.SetTankLoad(0, 31.5);
    session.SetTankBurn(0, 12.0);
    const QString text = session.MakeText();

    LoadingSession reopened(store, settings);
    ASSERT_TRUE(reopened.Start(text).ok());
    EXPECT_EQ(reopened.CurrentLoading(), session.CurrentLoading());
    EXPECT_EQ(reopened.Computed(), session.Computed());
}

TEST_F(LoadingSessionTest, FuelSelectionsSetOrKeepTheLoads) {
    ASSERT_TRUE(session.Start(QString()).ok());
    session.SetFuelSelection(kFuelThreeQuarters);
    EXPECT_EQ(session.CurrentLoading().tanks[0].rampQuantity, 37.5);
    session.SetFuelSelection(kFuelCustom);
    EXPECT_EQ(session.CurrentLoading().tanks[0].rampQuantity, 37.5);
    session.SetTankLoad(0, 10.0);
    EXPECT_EQ(session.CurrentLoading().tanks[0].rampQuantity, 10.0);
}

TEST_F(LoadingSessionTest, ATypeChangeCarriesStationsByNameAndComesBackWithoutAircraft) {
    const int pa28 = AddSecondType();
    ASSERT_TRUE(session.Start(QString()).ok());
    session.SetStationWeight(0, 170.0); // "Pilot seat"
    session.SetStationWeight(2, 90.0);  // "Rear left": not in the PA28
    ASSERT_TRUE(session.ChooseType(pa28).ok());
    EXPECT_EQ(session.CurrentAircraft().ident, QStringLiteral("G-ABCD"));
    EXPECT_EQ(session.CurrentLoading().stationWeights[0], 170.0);
    EXPECT_EQ(session.CurrentLoading().stationWeights[1], 0.0);
    EXPECT_EQ(session.CurrentLoading().tanks[0].rampQuantity, 48.0); // "Full" carried over

    const int empty = AddSecondType(false);
    ASSERT_TRUE(session.ChooseType(empty).ok());
    EXPECT_EQ(session.Type().id, pa28); // the aircraft's own type comes back
    EXPECT_EQ(session.CurrentAircraft().ident, QStringLiteral("G-ABCD"));
}

// The current aircraft gone after the fleet was edited: the first aircraft of its type, else the
// store's first aircraft, takes the loading by name; the user is told when the type has none
// left and when there are none at all.
TEST_F(LoadingSessionTest, AFleetEditKeepsTheTypeAndTheWeightsWhereItCan) {
    const struct {
        const char* edit;
        std::function<void(AircraftStore&, int type, int current)> change;
        const char* type;
        const char* aircraft;
        QStringList messages;
    } cases[] = {
        {"one of two of the type deleted",
         [](AircraftStore& s, int, int current) { ASSERT_TRUE(s.DeleteAircraft(current).ok()); },
         "PA28",
         "G-ABCD",
         {}},
        {"the type's last aircraft deleted",
         [](AircraftStore& s, int type, int) {
             for (const Aircraft& a : s.AircraftOfType(type))
                 ASSERT_TRUE(s.DeleteAircraft(a.id).ok());
         },
         "C172",
         "N123A",
         {QString::fromLatin1(kNoAircraftOfTypeText)}},
        {"the type deleted",
         [](AircraftStore& s, int type, int) { ASSERT_TRUE(s.DeleteAircraftType(type).ok()); },
         "C172",
         "N123A",
         {}},
        {"every aircraft deleted",
         [](AircraftStore& s, int, int) {
             while (!s.AircraftList().isEmpty())
                 ASSERT_TRUE(s.DeleteAircraft(s.AircraftList().first().id).ok());
         },
         "",
         "",
         {QString::fromLatin1(kNoAircraftOfTypeText), QString::fromLatin1(kNoAircraftDefinedText)}},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        AircraftStore fleet{folder.Path(), folder.Path()};
        LoadingSession working{fleet, settings};
        AircraftType pa28 = C172();
        pa28.id = 0;
        pa28.name = QStringLiteral("PA28");
        ASSERT_TRUE(fleet.AddAircraftType(pa28).ok());
        for (const char* ident : {"G-ABCD", "G-EFGH"}) {
            Aircraft a{0, pa28.id, QString::fromLatin1(ident), 1400.0, 86.0, 0.0};
            ASSERT_TRUE(fleet.AddAircraft(a).ok());
        }
        ASSERT_TRUE(working
                        .ApplyText(QStringLiteral("Aircraft=G-EFGH\r\nPilot seat=170.0\r\n"
                                                  "Fuel=1/2\r\n"))
                        .ok());
        c.change(fleet, pa28.id, working.CurrentAircraft().id);
        QStringList messages;
        for (const Message& m : working.FleetChanged())
            messages.append(m.text);
        EXPECT_EQ(messages, c.messages) << c.edit;
        EXPECT_EQ(working.Type().name, QString::fromLatin1(c.type)) << c.edit;
        EXPECT_EQ(working.CurrentAircraft().ident, QString::fromLatin1(c.aircraft)) << c.edit;
        const bool kept = working.HasAircraft();
        EXPECT_EQ(working.CurrentLoading().stationWeights[0], kept ? 170.0 : 0.0) << c.edit;
        EXPECT_EQ(working.CurrentLoading().fuelSelection, kept ? kFuelHalf : kFuelFull) << c.edit;
    }
}

TEST_F(LoadingSessionTest, WithoutAircraftNothingIsComputed) {
    ASSERT_TRUE(store.DeleteAircraft(1).ok());
    ASSERT_TRUE(session.Start(QString()).ok());
    EXPECT_FALSE(session.HasAircraft());
    EXPECT_EQ(session.Type().name, QStringLiteral("C172"));
    session.SetStationWeight(0, 100.0);
    EXPECT_EQ(session.Computed().results.rampWeight, 0.0);
    EXPECT_TRUE(session.Computed().limits.message.isEmpty());
    EXPECT_TRUE(session.MakeText().isEmpty());
}

} // namespace

namespace {

// weight.txt follows the loading; a write that fails is told once, again only after a success in
// between, never while the view goes; "no aircraft" writes nothing.
TEST_F(LoadingSessionTest, TheWeightFileFailureIsToldOnce) {
    SetDocumentsFolder(data.Path());
    ASSERT_TRUE(session.Start(QString()).ok());
    WeightFileKeeper keeper;
    const struct {
        bool blocked; // a folder stands where weight.txt goes
        bool tell;
        bool told;
    } steps[] = {{true, true, true},   {true, true, false},  {false, false, false},
                 {true, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& step : steps) {
        QFile::remove(WeightFilePath());
        QDir(WeightFilePath()).removeRecursively();
        if (step.blocked) {
            ASSERT_TRUE(QDir().mkpath(WeightFilePath()));
        }
        EXPECT_EQ(!keeper.Save(session, step.tell).ok(), step.told);
        EXPECT_EQ(QFileInfo(WeightFilePath()).isFile(), !step.blocked);
    }
    QDir(WeightFilePath()).removeRecursively();
    const LoadingSession noAircraft{store, settings}; // not started
    EXPECT_TRUE(keeper.Save(noAircraft, true).ok());
    EXPECT_FALSE(QFileInfo::exists(WeightFilePath()));
    SetDocumentsFolder({});
}

} // namespace
