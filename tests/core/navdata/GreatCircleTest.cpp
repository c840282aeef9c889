#include "core/navdata/GreatCircle.h"

#include <gtest/gtest.h>

namespace {

struct Leg {
    double lat1, lon1, lat2, lon2; // degrees, longitude positive west
    unsigned distance, track, back;
};

TEST(GreatCircle, WorkedExamples) {
    const Leg legs[] = {
        {40, 0, 41, -1, 75, 37, 218},              // destination north-east
        {0, 0, 0, -1, 60, 90, 270},                // along the equator, destination east
        {40, 10, 40, 10, 0, 0, 0},                 // identical points
        {40, 0, 41, 0, 60, 360, 180},              // due north gives 360, not 0
        {-33.9, -151.2, 51.5, 0.5, 9183, 319, 60}, // a long leg across the equator
    };
    for (const Leg& l : legs) {
        EXPECT_EQ(GreatCircleDistance(l.lat1, l.lon1, l.lat2, l.lon2), l.distance) << l.lat1;
        EXPECT_EQ(GreatCircleTrack(l.lat1, l.lon1, l.lat2, l.lon2), l.track) << l.lat1;
        EXPECT_EQ(GreatCircleTrack(l.lat2, l.lon2, l.lat1, l.lon1), l.back) << l.lat1;
    }
}

TEST(GreatCircle, StartAtAPoleGivesTrackZero) {
    // cos(90 degrees) is about 6e-17 in doubles, not 0.
    EXPECT_EQ(GreatCircleTrack(90, 0, 50, 20), 0u);
    EXPECT_EQ(GreatCircleTrack(-90, 0, 50, 20), 0u);
    EXPECT_EQ(GreatCircleDistance(90, 0, 89, 123), 60u);
}

TEST(GreatCircle, DistancesRoundHalfUp) {
    // Along a meridian the distance in minutes of latitude is the distance in nautical miles.
    const double minute = 1.0 / 60.0;
    EXPECT_EQ(GreatCircleDistance(10, 5, 10 + 0.5 * minute, 5), 1u);
    EXPECT_EQ(GreatCircleDistance(10, 5, 10 + 0.49 * minute, 5), 0u);
    EXPECT_EQ(GreatCircleDistance(10, 5, 10 + 1.49 * minute, 5), 1u);
}

} // namespace
