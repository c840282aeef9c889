#include "core/weight-balance/GraphScale.h"
#include "core/weight-balance/AircraftFleet.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphScale, DefaultC172) {
    const std::optional<GraphScale> scale =
        ComputeGraphScale(DefaultAircraftFleet().types[0], LoadingResults());
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(*scale, (GraphScale{2500.0, 1500.0, 34.0, 48.0, 100.0, 2.0}));
    EXPECT_EQ(scale->WeightTicks().size(), 11);
    EXPECT_EQ(scale->ArmTicks(), (QList<double>{34, 36, 38, 40, 42, 44, 46, 48}));
}

TEST(GraphScale, TheRampPointWidensTheRanges) {
    const AircraftType type = DefaultAircraftFleet().types[0];
    LoadingResults results;
    results.rampWeight = 2630.0;
    results.rampCg = 49.0;
    const std::optional<GraphScale> scale = ComputeGraphScale(type, results);
    ASSERT_TRUE(scale.has_value());
    EXPECT_EQ(scale->topWeight, 2730.0);
    EXPECT_EQ(scale->rightArm, 50.0);
    EXPECT_EQ(scale->leftArm, 34.0);
    results.rampCg = 30.0;
    EXPECT_EQ(ComputeGraphScale(type, results)->leftArm, 29.0);
}

TEST(GraphScale, NoEnvelopeNoScale) {
    AircraftType type;
    EXPECT_FALSE(ComputeGraphScale(type, LoadingResults()).has_value());
    type.envelope = {{1000.0, 0.0}};
    EXPECT_FALSE(ComputeGraphScale(type, LoadingResults()).has_value());
}

TEST(GraphScale, StepsFitFiveToTenTicksOrComeNearest) {
    const struct {
        double range, step;
    } weights[] = {{1000, 100}, {300, 50}, {100, 10}, {970, 100}, {40, 10}, {20000, 1000}};
    for (const auto& c : weights)
        EXPECT_EQ(WeightScaleStep(c.range), c.step) << c.range;
    const struct { double range, step; } arms[] = {{14, 2}, {3, 0.5}, {30, 3}, {2000, 1}, {1, 1}};
    for (const auto& c : arms)
        EXPECT_EQ(ArmScaleStep(c.range), c.step) << c.range;
}

TEST(GraphScale, WeightTicksMoveToTheNextMultiple) {
    const GraphScale scale{2000.0, 1530.0, 0.0, 1.0, 100.0, 1.0};
    EXPECT_EQ(scale.WeightTicks(), (QList<double>{1530, 1600, 1700, 1800, 1900, 2000}));
    const GraphScale absurd{1e300, 1e299, 0.0, 1.0, 1000.0, 1.0};
    EXPECT_EQ(absurd.WeightTicks().size(), 1); // a step too small to move the value
}

} // namespace
