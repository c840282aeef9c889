#include "core/weight-balance/LoadingComputation.h"
#include "core/weight-balance/AircraftFleet.h"
#include "core/weight-balance/LimitCheck.h"

#include <gtest/gtest.h>

namespace {

AircraftType C172() {
    return DefaultAircraftFleet().types[0];
}

const Aircraft kN123A = DefaultAircraftFleet().aircraft[0];

QString Computed(AircraftType& type, bool* ok = nullptr) {
    ComputeLoading(type, kN123A, AppSettings());
    QString message;
    const bool result = CheckLimits(type, message);
    if (ok)
        *ok = result;
    return message;
}

TEST(FuelDensityFactor, EveryUnitCombination) {
    using F = TypeFlags;
    const struct {
        bool kilosPerLitre;
        uint32_t flags;
        double factor;
    } cases[] = {
        {false, 0, 6.01},
        {false, F::FuelInLitres, 6.01 * 0.26413100898045433},
        {false, F::WeightInKilograms, 6.01 * 0.4536},
        {false, F::WeightInKilograms | F::FuelInLitres, 6.01 * 0.11813644948934338},
        {true, 0, 0.72 * 8.464788},
        {true, F::FuelInLitres, 0.72 * 2.2046},
        {true, F::WeightInKilograms, 0.72 * 3.786},
        {true, F::WeightInKilograms | F::FuelInLitres, 0.72},
        {false, F::JetFuel, 7.0},
        {true, F::JetFuel | F::WeightInKilograms | F::FuelInLitres, 0.84},
        {false, F::FuelByWeight | F::JetFuel | F::FuelInLitres, 1.0},
    };
    for (const auto& c : cases) {
        AppSettings settings;
        settings.kilosPerLitre = c.kilosPerLitre;
        if (c.kilosPerLitre) {
            settings.avgasDensity = 0.72;
            settings.jetDensity = 0.84;
        }
        AircraftType type;
        type.flags.bits = c.flags;
        EXPECT_DOUBLE_EQ(FuelDensityFactor(type, settings), c.factor) << c.flags;
    }
}

TEST(TankArmAtQuantity, FixedArmAndTable) {
    FuelTank tank;
    tank.arm = 48.0;
    EXPECT_EQ(TankArmAtQuantity(tank, 30.0), 48.0);
    tank.rowCount = 3;
    tank.rowCapacities = {10.0, 100.0, 200.0};
    tank.rowArms = {45.0, 48.0, 52.0};
    const struct {
        double quantity, arm;
    } cases[] = {{-5, 45},  {0, 45},   {10, 45},  {55, 46.5},
                 {100, 48}, {150, 50}, {200, 52}, {250, 52}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TankArmAtQuantity(tank, c.quantity), c.arm) << c.quantity;
}

TEST(ComputeLoading, DefaultC172WithThePilotOnlyIs1720Everywhere) {
    AircraftType type = C172();
    type.stations[0].weight = 170.0;
    bool ok = false;
    EXPECT_EQ(Computed(type, &ok), QStringLiteral("Aircraft is within limits."));
    EXPECT_TRUE(ok);
    const LoadingResults& r = type.results;
    for (double w : {r.zeroFuelWeight, r.rampWeight, r.takeoffWeight, r.landingWeight})
        EXPECT_EQ(w, 1720.0);
    EXPECT_DOUBLE_EQ(r.zeroFuelCg, (1550.0 * 39.0 + 170.0 * 37.0) / 1720.0);
    // With no fuel the start-up quantity leaves nothing rather than negative fuel.
    EXPECT_EQ(type.tanks[0].takeoff.quantity, 0.0);
    EXPECT_EQ(type.tanks[0].takeoff.fuelWeight, 0.0);
    EXPECT_TRUE(r.rampWithinLimits && r.zeroFuelWithinLimits && r.takeoffWithinLimits &&
                r.landingWithinLimits);
}

TEST(ComputeLoading, FuelWeightsByPhase) {
    AircraftType type = C172();
    type.tanks[0].rampQuantity = 50.0;
    type.tanks[0].burn = 20.0;
    Computed(type);
    EXPECT_DOUBLE_EQ(type.results.rampFuelWeight, 300.5);
    EXPECT_DOUBLE_EQ(type.tanks[0].takeoff.fuelWeight, 288.48);
    EXPECT_DOUBLE_EQ(type.tanks[0].landing.fuelWeight, 28.0 * 6.01);
    EXPECT_DOUBLE_EQ(type.results.takeoffWeight, 1550.0 + 288.48);

    type.tanks[0].burn = 60.0; // more than is left after start-up
    Computed(type);
    EXPECT_EQ(type.tanks[0].landing.quantity, 0.0);
    EXPECT_EQ(type.results.landingWeight, 1550.0);
}

TEST(ComputeLoading, PercentMac) {
    AircraftType type = C172();
    Computed(type);
    EXPECT_EQ(type.results.rampMac, 0.0); // no leading edge
    type.macLeadingEdge = 30.0;
    Computed(type);
    EXPECT_EQ(type.results.takeoffMac, 0.0); // no MAC length
    type.macLength = 36.0;
    Computed(type);
    EXPECT_DOUBLE_EQ(type.results.landingMac, 25.0); // CG 39
    EXPECT_DOUBLE_EQ(PercentMac(type, 48.0), 50.0);
}

TEST(ComputeLoading, AZeroWeightHasNoCentreOfGravity) {
    AircraftType type = C172();
    type.stations[0].weight = -1550.0;
    Computed(type);
    EXPECT_EQ(type.results.zeroFuelCg, 0.0);
    EXPECT_EQ(type.results.rampCg, 0.0);
}

// Pilot weight and maximum take-off weight set up so that take-off is at the limit with fuel
// by weight: 1550 + pilot + 298 (300 loaded, 2 for start-up), landing 100 lighter.
AircraftType AtTakeoffLimit(double pilot) {
    AircraftType type = C172();
    type.flags.Set(TypeFlags::FuelByWeight, true);
    type.maxRampWeight = 2500.0;
    type.stations[0].weight = pilot;
    type.tanks[0].rampQuantity = 300.0;
    type.tanks[0].burn = 100.0;
    return type;
}

TEST(CheckLimits, MessagesFlagsAndOrder) {
    const struct {
        const char* what;
        AircraftType type;
        const char* message;
        bool ramp, zeroFuel, takeoff, landing;
    } cases[] = {
        {"take-off exactly at the maximum", AtTakeoffLimit(552.0), "Aircraft is within limits.",
         true, true, true, true},
        // At 2401 the CG is outside the envelope: had it been checked, it would be reported.
        {"one more skips the take-off CG", AtTakeoffLimit(553.0),
         "Aircraft exceeds max takeoff weight.", true, true, false, true},
    };
    for (const auto& c : cases) {
        AircraftType type = c.type;
        bool ok = true;
        EXPECT_EQ(Computed(type, &ok), QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(ok, c.ramp && c.zeroFuel && c.takeoff && c.landing) << c.what;
        const LoadingResults& r = type.results;
        EXPECT_EQ(r.rampWithinLimits, c.ramp) << c.what;
        EXPECT_EQ(r.zeroFuelWithinLimits, c.zeroFuel) << c.what;
        EXPECT_EQ(r.takeoffWithinLimits, c.takeoff) << c.what;
        EXPECT_EQ(r.landingWithinLimits, c.landing) << c.what;
    }
}

TEST(CheckLimits, AnOverweightStationAloneFailsWithAllFlagsTrue) {
    AircraftType type = C172();
    type.stations[0].weight = 170.0;
    type.stations[5].weight = 60.0; // "Baggage 2", maximum 50
    bool ok = true;
    EXPECT_EQ(Computed(type, &ok), QStringLiteral("Baggage 2 is over weight."));
    EXPECT_FALSE(ok);
    const LoadingResults& r = type.results;
    EXPECT_TRUE(r.rampWithinLimits && r.zeroFuelWithinLimits && r.takeoffWithinLimits &&
                r.landingWithinLimits);
}

TEST(CheckLimits, TheLastFailureIsReported) {
    AircraftType type = C172();
    type.stations[5].weight = 60.0;
    type.maxZeroFuelWeight = 1600.0;
    type.maxTakeoffWeight = 1600.0;
    type.maxLandingWeight = 1600.0;
    bool ok = true;
    EXPECT_EQ(Computed(type, &ok), QStringLiteral("Aircraft exceeds max landing weight."));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(type.results.zeroFuelWithinLimits);
    EXPECT_FALSE(type.results.takeoffWithinLimits);
    EXPECT_TRUE(type.results.rampWithinLimits);

    AircraftType rear = C172();
    rear.stations[4].weight = 150.0; // baggage far aft
    rear.stations[5].weight = 50.0;
    rear.stations[2].weight = 200.0;
    EXPECT_EQ(Computed(rear), QStringLiteral("Landing CG is too far rear."));
    EXPECT_FALSE(rear.results.takeoffWithinLimits);
}

TEST(CgLimitsAtWeight, DefaultEnvelope) {
    const AircraftType type = C172();
    const struct {
        double weight;
        CgLimits limits;
    } cases[] = {
        {2175.0, {37.0, 47.0}}, {1500.0, {35.0, 47.0}}, {1950.0, {35.0, 47.0}},
        {2400.0, {39.0, 47.0}}, // on the top edge: the whole edge is within the envelope
        {2400.5, {0.0, 0.0}},   {1499.0, {0.0, 0.0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CgLimitsAtWeight(type, c.weight), c.limits) << c.weight;
}

AircraftType WithEnvelope(std::initializer_list<EnvelopePoint> points) {
    AircraftType type;
    for (const EnvelopePoint& p : points)
        type.envelope[type.envelopeCount++] = p;
    return type;
}

TEST(CgLimitsAtWeight, LevelSegmentsAndUnusablePoints) {
    AircraftType box = WithEnvelope({{1000, 35}, {2000, 35}, {2000, 45}, {1000, 45}});
    EXPECT_EQ(CgLimitsAtWeight(box, 2000.0), (CgLimits{35.0, 45.0})); // level aft segment
    EXPECT_EQ(CgLimitsAtWeight(box, 1000.0), (CgLimits{35.0, 45.0}));
    const AircraftType levelStart = WithEnvelope({{1000, 40}, {1000, 35}, {2000, 35}});
    EXPECT_EQ(CgLimitsAtWeight(levelStart, 1000.0).forward, 35.0);
    box.envelope[2].arm = 0.0; // the scan stops there: no falling segment is left
    EXPECT_EQ(CgLimitsAtWeight(box, 1500.0), (CgLimits{35.0, 0.0}));
}

} // namespace
