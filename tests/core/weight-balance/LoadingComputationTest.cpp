#include "core/weight-balance/LoadingComputation.h"

#include "TestFleets.h"
#include "core/weight-balance/AircraftFleet.h"
#include "core/weight-balance/LimitCheck.h"

#include <gtest/gtest.h>

namespace {

ComputedLoading Computed(const AircraftType& type, const Loading& loading) {
    const ComputedLoading computed = ComputeLoading(type, N123A(), loading, AppSettings());
    // The limit outcome is that of the checks run on the results alone.
    EXPECT_EQ(computed.limits, CheckLimits(type, loading, computed.results));
    return computed;
}

bool AllPhases(const PhaseLimits& p) {
    return p.ramp && p.zeroFuel && p.takeoff && p.landing;
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
    tank.rows = {{10.0, 45.0}, {100.0, 48.0}, {200.0, 52.0}};
    const struct {
        double quantity, arm;
    } cases[] = {{-5, 45},  {0, 45},   {10, 45},  {55, 46.5},
                 {100, 48}, {150, 50}, {200, 52}, {250, 52}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TankArmAtQuantity(tank, c.quantity), c.arm) << c.quantity;
}

TEST(ComputeLoading, DefaultC172WithThePilotOnlyIs1720Everywhere) {
    const AircraftType type = C172();
    Loading loading;
    loading.stationWeights[0] = 170.0;
    const ComputedLoading c = Computed(type, loading);
    EXPECT_EQ(c.limits.message, QStringLiteral("Aircraft is within limits."));
    EXPECT_TRUE(c.limits.withinLimits);
    const LoadingResults& r = c.results;
    for (double w : {r.zeroFuelWeight, r.rampWeight, r.takeoffWeight, r.landingWeight})
        EXPECT_EQ(w, 1720.0);
    EXPECT_DOUBLE_EQ(r.zeroFuelCg, (1550.0 * 39.0 + 170.0 * 37.0) / 1720.0);
    ASSERT_EQ(r.stations.size(), type.stations.size());
    EXPECT_EQ(r.stations[0].moment, 170.0 * 37.0);
    // With no fuel the start-up quantity leaves nothing rather than negative fuel.
    ASSERT_EQ(r.tanks.size(), 1);
    EXPECT_EQ(r.tanks[0].takeoff.quantity, 0.0);
    EXPECT_EQ(r.tanks[0].takeoff.fuelWeight, 0.0);
    EXPECT_EQ(r.tanks[0].landing.quantity, 0.0);
    EXPECT_TRUE(AllPhases(c.limits.phases));
}

TEST(ComputeLoading, FuelWeightsByPhase) {
    const AircraftType type = C172();
    Loading loading;
    loading.tanks[0] = {50.0, 20.0};
    const LoadingResults r = Computed(type, loading).results;
    EXPECT_DOUBLE_EQ(r.rampFuelWeight, 300.5);
    EXPECT_DOUBLE_EQ(r.tanks[0].takeoff.fuelWeight, 288.48);
    EXPECT_DOUBLE_EQ(r.tanks[0].landing.fuelWeight, 28.0 * 6.01);
    EXPECT_DOUBLE_EQ(r.takeoffWeight, 1550.0 + 288.48);

    loading.tanks[0].burn = 60.0; // more than is left after start-up
    const LoadingResults burnt = Computed(type, loading).results;
    EXPECT_EQ(burnt.tanks[0].landing.quantity, 0.0);
    EXPECT_EQ(burnt.landingWeight, 1550.0);
}

TEST(ComputeLoading, PercentMac) {
    AircraftType type = C172();
    const Loading loading;
    EXPECT_EQ(Computed(type, loading).results.rampMac, 0.0); // no leading edge
    type.macLeadingEdge = 30.0;
    EXPECT_EQ(Computed(type, loading).results.takeoffMac, 0.0); // no MAC length
    type.macLength = 36.0;
    EXPECT_DOUBLE_EQ(Computed(type, loading).results.landingMac, 25.0); // CG 39
    EXPECT_DOUBLE_EQ(PercentMac(type, 48.0), 50.0);
}

TEST(ComputeLoading, AZeroWeightHasNoCentreOfGravity) {
    Loading loading;
    loading.stationWeights[0] = -1550.0;
    const LoadingResults r = Computed(C172(), loading).results;
    EXPECT_EQ(r.zeroFuelCg, 0.0);
    EXPECT_EQ(r.rampCg, 0.0);
}

// Pilot weight and maximum take-off weight set up so that take-off is at the limit with fuel
// by weight: 1550 + pilot + 298 (300 loaded, 2 for start-up), landing 100 lighter.
AircraftType FuelByWeightC172() {
    AircraftType type = C172();
    type.flags.Set(TypeFlags::FuelByWeight, true);
    type.maxRampWeight = 2500.0;
    return type;
}

Loading AtTakeoffLimit(double pilot) {
    Loading loading;
    loading.stationWeights[0] = pilot;
    loading.tanks[0] = {300.0, 100.0};
    return loading;
}

TEST(CheckLimits, MessagesFlagsAndOrder) {
    const struct {
        const char* what;
        Loading loading;
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
        const LimitOutcome limits = Computed(FuelByWeightC172(), c.loading).limits;
        EXPECT_EQ(limits.message, QString::fromLatin1(c.message)) << c.what;
        EXPECT_EQ(limits.withinLimits, c.ramp && c.zeroFuel && c.takeoff && c.landing) << c.what;
        EXPECT_EQ(limits.phases, (PhaseLimits{c.ramp, c.zeroFuel, c.takeoff, c.landing})) << c.what;
    }
}

TEST(CheckLimits, AnOverweightStationAloneFailsWithAllFlagsTrue) {
    Loading loading;
    loading.stationWeights[0] = 170.0;
    loading.stationWeights[5] = 60.0; // "Baggage 2", maximum 50
    const LimitOutcome limits = Computed(C172(), loading).limits;
    EXPECT_EQ(limits.message, QStringLiteral("Baggage 2 is over weight."));
    EXPECT_FALSE(limits.withinLimits);
    EXPECT_TRUE(AllPhases(limits.phases));
}

TEST(CheckLimits, TheLastFailureIsReported) {
    AircraftType type = C172();
    type.maxZeroFuelWeight = 1600.0;
    type.maxTakeoffWeight = 1600.0;
    type.maxLandingWeight = 1600.0;
    Loading loading;
    loading.stationWeights[5] = 60.0;
    const LimitOutcome limits = Computed(type, loading).limits;
    EXPECT_EQ(limits.message, QStringLiteral("Aircraft exceeds max landing weight."));
    EXPECT_FALSE(limits.withinLimits);
    EXPECT_FALSE(limits.phases.zeroFuel);
    EXPECT_FALSE(limits.phases.takeoff);
    EXPECT_TRUE(limits.phases.ramp);

    Loading rear;
    rear.stationWeights[4] = 150.0; // baggage far aft
    rear.stationWeights[5] = 50.0;
    rear.stationWeights[2] = 200.0;
    const LimitOutcome rearLimits = Computed(C172(), rear).limits;
    EXPECT_EQ(rearLimits.message, QStringLiteral("Landing CG is too far rear."));
    EXPECT_FALSE(rearLimits.phases.takeoff);
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
    type.envelope = points;
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
