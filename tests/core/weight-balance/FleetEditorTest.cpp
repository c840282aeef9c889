#include "TestFleets.h"

#include "core/weight-balance/AircraftEntry.h"
#include "core/weight-balance/AircraftStore.h"
#include "core/weight-balance/AircraftTypeEntry.h"
#include "core/weight-balance/FleetEdits.h"
#include "core/weight-balance/FuelQuantityEntry.h"
#include "core/weight-balance/FuelTankEntry.h"
#include "core/weight-balance/FuelTankList.h"

#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <functional>

namespace {

QDateTime Utc(int year, int month, int day, int h, int m, int s) {
    return QDateTime(QDate(year, month, day), QTime(h, m, s), QTimeZone::utc());
}

class FleetEditorTest : public ::testing::Test {
protected:
    TempFolder data;
    AircraftStore store{data.Path(), data.Path()};
    const AircraftType& C172() const { return store.Types()[0]; }
};

TEST_F(FleetEditorTest, AircraftChecksInOrder) {
    struct Case {
        const char* name;
        std::function<void(AircraftEntry&)> change;
        QString identAtOpening;
        QString message; // "" = accepted
    };
    const Case cases[] = {
        {"unchanged", [](AircraftEntry&) {}, "N123A", ""},
        {"no ident", [](AircraftEntry& e) { e.ident.clear(); }, "N123A",
         "Error:\nYou must specify a name for this aircraft."},
        {"copy not renamed", [](AircraftEntry&) {}, "",
         "An aircraft with this ident already exists."},
        {"no empty weight", [](AircraftEntry& e) { e.emptyWeight = "abc"; }, "N123A",
         "Please enter an empty weight for the aircraft."},
        {"no arm", [](AircraftEntry& e) { e.emptyArm = ""; }, "N123A",
         "Please enter an ARM for the aircraft."},
        {"over ramp", [](AircraftEntry& e) { e.emptyWeight = "2400.1"; }, "N123A",
         "The specified empty weight is greater then the maximum weight for the aircraft type."},
        {"at ramp", [](AircraftEntry& e) { e.emptyWeight = "2400"; }, "N123A", ""},
    };
    const Aircraft original = store.AircraftList()[0];
    for (const Case& c : cases) {
        AircraftEntry entry = AircraftEntryFrom(original);
        c.change(entry);
        const Outcome<Aircraft> read = ReadAircraftEntry(entry, original, c.identAtOpening, store);
        EXPECT_EQ(read.ok() ? QString() : read.error().text, c.message) << c.name;
    }
}

TEST_F(FleetEditorTest, TypeChecksPageByPage) {
    struct Case {
        const char* name;
        std::function<void(AircraftTypeEntry&)> change;
        QString nameAtOpening;
        int page; // -1 = accepted
        QString message;
    };
    const Case cases[] = {
        {"no name", [](AircraftTypeEntry& e) { e.name.clear(); }, "C172", kInfoPage,
         "You must specify a name for this aircraft type."},
        {"copy not renamed", [](AircraftTypeEntry&) {}, "", kInfoPage,
         "An aircraft type with this name already exists."},
        {"no ramp", [](AircraftTypeEntry& e) { e.ramp = "0"; }, "C172", kWeightsPage,
         "Please enter a maximum weight for the aircraft."},
        {"weight without arm", [](AircraftTypeEntry& e) { e.envelope[2].arm.clear(); }, "C172",
         kCgPage, "Please enter an Arm for location 3."},
        {"arm without weight",
         [](AircraftTypeEntry& e) {
             e.envelope[5] = {"", "40"};
         },
         "C172", kCgPage, "Please enter a weight for lcation 6."},
        {"station without arm", [](AircraftTypeEntry& e) { e.stations[1].arm = "x"; }, "C172",
         kStationsPage, "Error:\nNo Arm for station 2."},
        {"renamed", [](AircraftTypeEntry& e) { e.name = "C172N"; }, "C172", -1, ""},
    };
    for (const Case& c : cases) {
        AircraftTypeEntry entry = AircraftTypeEntryFrom(C172());
        c.change(entry);
        const TypeEntryResult read = ReadAircraftTypeEntry(entry, C172(), c.nameAtOpening, store);
        EXPECT_EQ(read.failure ? read.failure->page : -1, c.page) << c.name;
        EXPECT_EQ(read.failure ? read.failure->message.text : QString(), c.message) << c.name;
    }
}

// Untouched fields keep their exact values; the rows end at the first empty row; take-off and
// landing maxima left at 0 become the ramp maximum; the unit boxes set the flags.
TEST_F(FleetEditorTest, TypeFieldsReadBack) {
    AircraftType type = C172();
    type.envelope[0].arm = 35.25; // shown as 35.2
    type.macLeadingEdge = 30.0;
    type.macLength = 58.0;
    AircraftTypeEntry entry = AircraftTypeEntryFrom(type);
    EXPECT_EQ(entry.envelope[0], (EnvelopeRowText{"1500.0", "35.2"}));
    EXPECT_EQ(entry.stations[4], (StationRowText{"Baggage 1", "95.0", "150.0"}));
    EXPECT_EQ(entry.stations[6], StationRowText{});
    EXPECT_EQ(ReadAircraftTypeEntry(entry, type, "C172", store).type, type);

    entry.takeoff = "0";
    entry.landing = "";
    entry.ramp = "2550";
    entry.kilograms = true;
    entry.envelope[3] = {};
    entry.stations[2].name.clear();
    entry.calculateMac = false;
    entry.fuelUnits = 1;
    const AircraftType read = ReadAircraftTypeEntry(entry, type, "C172", store).type;
    EXPECT_EQ(read.maxTakeoffWeight, 2550.0);
    EXPECT_EQ(read.maxLandingWeight, 2550.0);
    EXPECT_EQ(read.envelope.size(), 3);
    EXPECT_EQ(read.envelope[0].arm, 35.25);
    EXPECT_EQ(read.stations.size(), 2);
    EXPECT_EQ(read.macLeadingEdge, 0.0);
    EXPECT_EQ(read.flags.bits, TypeFlags::WeightInKilograms | TypeFlags::FuelInLitres);
}

TEST(FuelTankEntryTest, ChecksInOrder) {
    struct Case {
        const char* name;
        std::function<void(FuelTankEntry&)> change;
        QString message;
        int rows = 0;
    };
    auto variable = [](FuelTankEntry& e) {
        e.variable = true;
        e.rows[0] = {"10", "46"};
        e.rows[1] = {"30", "47"};
        e.rows[2] = {"50", "48.5"};
    };
    const Case cases[] = {
        {"no name", [](FuelTankEntry& e) { e.name.clear(); },
         "Please enter a name for this fuel tank."},
        {"no capacity", [](FuelTankEntry& e) { e.capacity = "0"; },
         "Please enter the capacity for this fuel tank."},
        {"fixed without arm", [](FuelTankEntry& e) { e.arm.clear(); },
         "Please enter the Arm for this fuel tank."},
        {"last row at capacity", variable, "", 3},
        {"row over capacity",
         [&](FuelTankEntry& e) {
             variable(e);
             e.rows[2].capacity = "50.5";
         },
         "Error:\nCapacity 3 is over tank capacity."},
        {"row without capacity",
         [&](FuelTankEntry& e) {
             variable(e);
             e.rows[1].capacity.clear();
         },
         "Please enter a capacity for row 2."},
        {"row without arm",
         [&](FuelTankEntry& e) {
             variable(e);
             e.rows[1].arm.clear();
         },
         "Please enter an Arm for row 2."},
        {"rows out of order",
         [&](FuelTankEntry& e) {
             variable(e);
             e.rows[1].capacity = "10";
         },
         "Error:\nThe capacity of row 2 must be greater than the capacity of the row above."},
    };
    const FuelTank tank{QStringLiteral("Main fuel"), 50.0, 48.0, 0.0, 2.0, {}};
    for (const Case& c : cases) {
        FuelTankEntry entry = FuelTankEntryFrom(tank);
        c.change(entry);
        const Outcome<FuelTank> read = ReadFuelTankEntry(entry, tank);
        EXPECT_EQ(read.ok() ? QString() : read.error().text, c.message) << c.name;
        if (read.ok()) {
            EXPECT_EQ(read->rows.size(), c.rows) << c.name;
        }
    }
}

AircraftType ThreeTanks() {
    AircraftType type = DefaultAircraftFleet().types[0];
    type.tanks.clear();
    for (const char* name : {"Left", "Centre", "Right"})
        type.tanks.append({QString::fromLatin1(name), 40.0, 48.0, 0.0, 0.0, {}});
    for (int i = 0; i < 3; ++i)
        type.tanks[i].startupQuantity = i + 1.0;
    type.fuelQuantities.append({QStringLiteral("Tabs"), {10.0, 20.0, 30.0, 0, 0, 0}});
    return type;
}

TEST(FuelQuantityEntryTest, ChecksInOrder) {
    const AircraftType type = ThreeTanks();
    struct Case {
        const char* name;
        std::function<void(FuelQuantityEntry&)> change;
        QString message;
    };
    const Case cases[] = {
        {"unchanged", [](FuelQuantityEntry&) {}, ""},
        {"no title", [](FuelQuantityEntry& e) { e.title.clear(); },
         "Please enter a title for this quantity."},
        {"no quantity", [](FuelQuantityEntry& e) { e.quantities[1].clear(); },
         "Please enter a quantity for Centre"},
        {"over capacity", [](FuelQuantityEntry& e) { e.quantities[2] = "40.5"; },
         "Error:\nQuantity for Right is over capacity."},
    };
    for (const Case& c : cases) {
        FuelQuantityEntry entry = FuelQuantityEntryFrom(type.fuelQuantities[0], type);
        ASSERT_EQ(entry.quantities, (QList<QString>{"10", "20", "30"}));
        c.change(entry);
        const Outcome<FuelQuantity> read =
            ReadFuelQuantityEntry(entry, type.fuelQuantities[0], type);
        EXPECT_EQ(read.ok() ? QString() : read.error().text, c.message) << c.name;
    }
}

TEST(FuelTankListTest, LimitsAndDeletingKeepsValuesWithTheirTanks) {
    AircraftType type = ThreeTanks();
    DeleteTank(type, 1);
    ASSERT_EQ(type.tanks.size(), 2);
    EXPECT_EQ(type.tanks[1].name, QStringLiteral("Right"));
    EXPECT_EQ(type.tanks[1].startupQuantity, 3.0);
    EXPECT_EQ(type.fuelQuantities[0].quantities, (std::array<double, 6>{10.0, 30.0, 0, 0, 0, 0}));

    while (type.tanks.append(type.tanks[0])) {
    }
    EXPECT_EQ(CanAddTank(type).error().text, QStringLiteral("There is a limit of 6 fuel tanks."));
    while (type.fuelQuantities.append(type.fuelQuantities[0])) {
    }
    EXPECT_EQ(CanAddFuelQuantity(type).error().text,
              QStringLiteral("There is a limit of 10 fuel quantities."));
    type.fuelQuantities.erase(0);
    EXPECT_TRUE(CanAddFuelQuantity(type).ok());
}

TEST(LastChangeTest, SecondsSince2000Utc) {
    EXPECT_EQ(LastChangeSeconds(Utc(2000, 1, 1, 0, 0, 0)), 0u);
    EXPECT_EQ(LastChangeSeconds(Utc(1999, 12, 31, 23, 59, 59)), 0u);
    EXPECT_EQ(LastChangeSeconds(Utc(2000, 1, 2, 0, 0, 1)), 86401u);
    EXPECT_EQ(LastChangeSeconds(Utc(2026, 12, 9, 2, 0, 0)), 850096800u);
    EXPECT_EQ(LastChangeSeconds(QDateTime(QDate(2000, 1, 1), QTime(1, 0), QTimeZone(3600))), 0u);
}

// An edit that changes nothing leaves the file alone; a change stamps the time and saves.
TEST_F(FleetEditorTest, UnchangedEditsDoNotRewriteTheFile) {
    Aircraft added = NewAircraft(1);
    added.ident = "N456B";
    ASSERT_TRUE(store.AddAircraft(added).ok());
    const QString path = store.FilePath();
    const QByteArray bytes = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QFile::remove(path); // any rewrite would bring it back

    AircraftType type = C172();
    const TypeEntryResult same =
        ReadAircraftTypeEntry(AircraftTypeEntryFrom(type), type, type.name, store);
    ASSERT_FALSE(same.failure);
    EXPECT_TRUE(StoreEditedType(store, same.type, Utc(2026, 1, 1, 0, 0, 0)).ok());
    EXPECT_TRUE(StoreEditedAircraft(store, added).ok());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(bytes.isEmpty());

    type.fuelBurn = 8.5;
    ASSERT_TRUE(StoreEditedType(store, type, Utc(2000, 1, 1, 0, 1, 40)).ok());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(C172().lastChange, 100u);
    EXPECT_EQ(C172().fuelBurn, 8.5);
}

TEST_F(FleetEditorTest, DeletingAndCopying) {
    EXPECT_EQ(DeleteTypeQuestion(store, C172()).error().text,
              QStringLiteral("This aircraft type can not be deleted - at least one type must be "
                             "defined."));
    AircraftType copy = CopyAsNew(C172());
    copy.name = "C172 copy";
    ASSERT_TRUE(StoreNewType(store, copy, Utc(2000, 1, 1, 0, 0, 5)).ok());
    EXPECT_EQ(copy.id, 2);
    EXPECT_EQ(store.Types()[1].lastChange, 5u);
    EXPECT_EQ(DeleteTypeQuestion(store, copy).value(),
              QStringLiteral("Delete the C172 copy type and all the related aircraft?"));
    EXPECT_EQ(DeleteAircraftQuestion(store.AircraftList()[0]), QStringLiteral("Delete N123A?"));
    ASSERT_TRUE(store.DeleteAircraft(store.AircraftList()[0].id).ok());
    EXPECT_NE(store.FindAircraftType(1), nullptr);
    EXPECT_EQ(NewAircraftType(true).flags.bits,
              TypeFlags::WeightInKilograms | TypeFlags::ArmInCentimetres);
    EXPECT_EQ(NewAircraftType(false), AircraftType{});
}

} // namespace
